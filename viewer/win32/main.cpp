// History.exe: shows the current user's message history and prints it. No command line, no
// settings; the program ends when its window closes.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "viewer/resources/resource.h"
#include "viewer/win32/viewer_dialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // The WebBrowser control needs a single-threaded apartment with OLE.
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_VIEWER), nullptr, kivet::viewer::ViewerDialogProc, 0);
    OleUninitialize();
    return 0;
}
