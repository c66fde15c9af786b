#include "messenger/mainwindow/win32/about_dialog.h"

#include <shellapi.h>

#include <string>

#include "messenger/resources/resource.h"
#include "messenger/runtime/text_table.h"

namespace kivet {
namespace {

const char kProductVersion[] = "1.3.4";
const char kMakerSite[] = "http://www.ostrel.example/";

BOOL About_OnInitDialog(HWND dialog)
{
    SetWindowTextA(dialog, Text(IDS_ABOUT_CAPTION));
    SetDlgItemTextA(dialog, IDC_ABOUT_DESCRIPTION, Text(IDS_ABOUT_DESCRIPTION));
    SetDlgItemTextA(dialog, IDC_ABOUT_RIGHTS, Text(IDS_ABOUT_RIGHTS));
    SetDlgItemTextA(dialog, IDC_ABOUT_VERSION, (std::string(Text(IDS_ABOUT_VERSION)) + kProductVersion).c_str());
    return TRUE;
}

void About_OnCommand(HWND dialog, WORD id)
{
    switch (id) {
    case IDOK:
    case IDCANCEL: EndDialog(dialog, id); break;
    case IDC_ABOUT_LINK: ShellExecuteA(dialog, "open", kMakerSite, nullptr, nullptr, SW_SHOWNORMAL); break;
    }
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG: return About_OnInitDialog(dialog);
    case WM_COMMAND: About_OnCommand(dialog, LOWORD(wParam)); return TRUE;
    }
    return FALSE;
}

} // namespace

void ShowAboutDialog(HINSTANCE instance, HWND owner)
{
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProc, 0);
}

} // namespace kivet
