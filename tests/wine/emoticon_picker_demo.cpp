// Shows the emoticon picker beside a rich-edit control for screenshots: the first picker run clicks
// entry 28, which goes into the text; the second stays open with the pointer over entry 18 until
// the given number of seconds (default 20) has passed. Usage: emoticon_picker_demo.exe [seconds]
// Run it in a Wine virtual desktop as large as the X screen: when the X pointer lies outside the
// desktop window, Wine reports the pointer there and the picker clears its highlight at once.
#include <windows.h>
#include <ole2.h>
#include <richedit.h>

#include <cstdlib>

#include "messenger/mainwindow/win32/emoticon_picker.h"
#include "messenger/mainwindow/win32/rich_emoticons.h"

namespace kivet {
namespace {

constexpr UINT kMsgOpenPicker = WM_APP + 1;
constexpr UINT_PTR kTimerDrive = 1;
constexpr UINT_PTR kTimerClose = 2;

struct DemoState {
    HWND text = nullptr;
    HWND button = nullptr;
    int run = 0; // which picker run is open
    UINT closeAfterMs = 20000;
    EmoticonBitmaps pictures;
};

DemoState g_demo;

HWND FindPicker(HWND owner)
{
    HWND w = nullptr;
    while ((w = FindWindowExA(nullptr, w, "#32770", nullptr)) != nullptr)
        if (GetWindow(w, GW_OWNER) == owner) return w;
    return nullptr;
}

void PointAt(HWND picker, int x, int y)
{
    POINT screen{x, y};
    ClientToScreen(picker, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(picker, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void Demo_OnCreate(HWND hwnd)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    g_demo.text =
        CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit20A", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 8, 8,
                        180, 200, hwnd, reinterpret_cast<HMENU>(1000), instance, nullptr);
    g_demo.button = CreateWindowExA(0, "BUTTON", "Insert emotion", WS_CHILD | WS_VISIBLE, 8, 214, 110, 24, hwnd,
                                    reinterpret_cast<HMENU>(1001), instance, nullptr);
    SendMessageA(g_demo.text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    SendMessageA(g_demo.button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    SetRichTextWithEmoticons(g_demo.text,
                             "Hello [:)] how are you?\r\nSunny here [sun] [(y)]\r\n[:D] stays text\r\n"
                             "Back to back: [;)][:p][(h)]\r\nAnd a rose: ",
                             g_demo.pictures);
}

void Demo_OpenPicker(HWND hwnd)
{
    RECT button;
    GetWindowRect(g_demo.button, &button);
    ++g_demo.run;
    SetTimer(hwnd, kTimerDrive, 700, nullptr);
    int entry = PickEmoticon(hwnd, POINT{button.right + 4, button.bottom - kPickerHeight}, g_demo.pictures);
    if (entry) {
        // As the send dialog does: the choice goes to the caret, here the end of the text.
        CHARRANGE end{-1, -1};
        SendMessageA(g_demo.text, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
        InsertEmoticon(g_demo.text, entry, g_demo.pictures);
    }
    if (g_demo.run == 1) {
        PostMessageA(hwnd, kMsgOpenPicker, 0, 0);
    } else {
        DestroyWindow(hwnd);
    }
}

void Demo_OnTimer(HWND hwnd, UINT_PTR id)
{
    HWND picker = FindPicker(hwnd);
    if (id == kTimerClose) {
        KillTimer(hwnd, kTimerClose);
        if (picker) PostMessageA(picker, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    if (!picker) return; // not shown yet: try again on the next tick
    KillTimer(hwnd, kTimerDrive);
    if (g_demo.run == 1) {
        PointAt(picker, 95, 125); // entry 28
        SendMessageA(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(95, 125));
    } else {
        PointAt(picker, 155, 65); // entry 18
        SetTimer(hwnd, kTimerClose, g_demo.closeAfterMs, nullptr);
    }
}

LRESULT CALLBACK DemoWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_CREATE: Demo_OnCreate(hwnd); return 0;
    case kMsgOpenPicker: Demo_OpenPicker(hwnd); return 0;
    case WM_TIMER: Demo_OnTimer(hwnd, wParam); return 0;
    case WM_DESTROY:
        ReleaseEmoticonObjects(g_demo.text);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

} // namespace
} // namespace kivet

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    using namespace kivet;
    if (commandLine && *commandLine) g_demo.closeAfterMs = static_cast<UINT>(std::atoi(commandLine)) * 1000;
    OleInitialize(nullptr);
    HMODULE richEdit = LoadLibraryA("RichEd20.dll");
    g_demo.pictures.Load(instance);

    WNDCLASSA wc{};
    wc.lpfnWndProc = DemoWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "KivetEmoticonDemo";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "Emoticons", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 290,
                                  nullptr, nullptr, instance, nullptr);
    PostMessageA(window, kMsgOpenPicker, 0, 0);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    g_demo.pictures.Free();
    FreeLibrary(richEdit);
    OleUninitialize();
    return 0;
}
