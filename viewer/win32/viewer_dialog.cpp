#include "viewer/win32/viewer_dialog.h"

#include <shellapi.h>

#include <string>

#include "viewer/resources/resource.h"
#include "viewer/viewer_layout.h"
#include "viewer/viewer_paths.h"
#include "viewer/win32/about_box.h"
#include "viewer/win32/browser_host.h"

namespace kivet::viewer {
namespace {

// What the open window keeps: the page in use (for Print...), the Close button's size (for the
// layout) and the browser control.
struct ViewerState {
    std::string page;
    int buttonWidth = 0;
    int buttonHeight = 0;
    BrowserHost browser;
};

ViewerState* State(HWND dialog)
{
    return reinterpret_cast<ViewerState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

std::string ModulePath()
{
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length < sizeof path ? length : 0);
}

std::string LogonName()
{
    char name[257] = {};
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

// Opens for reading while sharing writing, as the messenger may be appending at that moment.
bool CanReadPage(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

std::string LoadText(UINT id)
{
    char text[256] = {};
    LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return text;
}

void AddAboutToSystemMenu(HWND dialog)
{
    std::string about = LoadText(IDS_ABOUT);
    if (about.empty()) return;
    HMENU menu = GetSystemMenu(dialog, FALSE);
    EnableMenuItem(menu, SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(menu, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, about.c_str());
}

void SetIcons(HWND dialog)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON big = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_VIEWER), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    HICON smallIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_VIEWER), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

void Place(HWND control, const Box& box)
{
    SetWindowPos(control, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ApplyLayout(HWND dialog, int width, int height)
{
    ViewerState* state = State(dialog);
    if (!state) return;
    ViewerLayout layout = LayoutViewer(width, height, state->buttonWidth, state->buttonHeight);
    HWND close = GetDlgItem(dialog, IDCANCEL);
    HWND print = GetDlgItem(dialog, IDC_PRINT);
    // The buttons are hidden while they move, so no half-drawn button is left behind.
    ShowWindow(close, SW_HIDE);
    ShowWindow(print, SW_HIDE);
    Place(GetDlgItem(dialog, IDC_BROWSER), layout.page);
    Place(close, layout.close);
    Place(print, layout.print);
    ShowWindow(close, SW_SHOW);
    ShowWindow(print, SW_SHOW);
    state->browser.Resize();
}

void RememberButtonSize(HWND dialog, ViewerState& state)
{
    RECT r;
    GetWindowRect(GetDlgItem(dialog, IDCANCEL), &r);
    state.buttonWidth = r.right - r.left;
    state.buttonHeight = r.bottom - r.top;
}

BOOL Viewer_OnInitDialog(HWND dialog)
{
    auto* state = new ViewerState;
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    AddAboutToSystemMenu(dialog);
    SetIcons(dialog);
    state->page = ChoosePage(ModulePath(), LogonName(), CanReadPage);
    HWND pageFrame = GetDlgItem(dialog, IDC_BROWSER);
    SetWindowTextA(pageFrame, state->page.c_str());
    if (state->browser.Create(pageFrame)) state->browser.Navigate(state->page);
    RememberButtonSize(dialog, *state);
    RECT client;
    GetClientRect(dialog, &client);
    ApplyLayout(dialog, client.right, client.bottom);
    return TRUE;
}

// The shell's "print" verb for the page, started in the page's folder.
void Viewer_OnPrint(HWND dialog)
{
    ViewerState* state = State(dialog);
    std::string folder = PageFolder(state->page);
    HINSTANCE result = ShellExecuteA(dialog, "print", state->page.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) <= 32)
        MessageBoxA(dialog, LoadText(IDS_PRINT_FAILED).c_str(), "Message history viewer", MB_OK | MB_ICONWARNING);
}

void Viewer_OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDC_PRINT: Viewer_OnPrint(dialog); break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    }
}

BOOL Viewer_OnSysCommand(HWND dialog, WPARAM command)
{
    if ((command & 0xFFF0) != IDM_ABOUT) return FALSE;
    ShowAboutBox(dialog);
    return TRUE;
}

// Minimised, the window shows its icon in the middle of the client area.
BOOL Viewer_OnPaint(HWND dialog)
{
    if (!IsIconic(dialog)) return FALSE;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    RECT client;
    GetClientRect(dialog, &client);
    HICON icon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon);
    EndPaint(dialog, &paint);
    return TRUE;
}

void Viewer_OnDestroy(HWND dialog)
{
    delete State(dialog);
    SetWindowLongPtrA(dialog, DWLP_USER, 0);
}

} // namespace

INT_PTR CALLBACK ViewerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return Viewer_OnInitDialog(dialog);
    case WM_SIZE:       ApplyLayout(dialog, LOWORD(lParam), HIWORD(lParam)); return TRUE;
    case WM_COMMAND:    Viewer_OnCommand(dialog, LOWORD(wParam)); return TRUE;
    case WM_SYSCOMMAND: return Viewer_OnSysCommand(dialog, wParam);
    case WM_PAINT:      return Viewer_OnPaint(dialog);
    case WM_DESTROY:    Viewer_OnDestroy(dialog); return TRUE;
    }
    return FALSE;
}

} // namespace kivet::viewer
