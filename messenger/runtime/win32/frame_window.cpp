#include "messenger/runtime/win32/frame_window.h"

#include "messenger/lists/win32/process_lists.h"
#include "messenger/mainwindow/win32/main_dialog.h"
#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/mainwindow/win32/tree_image_list.h"
#include "messenger/mainwindow/win32/rich_emoticons.h"
#include "messenger/messages.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/ini_file_win32.h"
#include "messenger/runtime/win32/program_state.h"
#include "messenger/runtime/win32/registry_store_win32.h"
#include "messenger/runtime/win32/resource_strings.h"

#include "common/fixed_text.h"

namespace kivet {
namespace {

LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

void CreateFonts(ProgramState& p)
{
    LOGFONTA font{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    lstrcpynA(font.lfFaceName, "Tahoma", LF_FACESIZE);
    p.regularFont = CreateFontIndirectA(&font);
    font.lfWeight = 600;
    p.boldFont = CreateFontIndirectA(&font);
}

void LoadRichEditLibrary(ProgramState& p)
{
    WriteAction("RichEdit library initialization...");
    p.richEdit = LoadLibraryA("RichEd20.dll");
    if (!p.richEdit) {
        p.richEdit = LoadLibraryA("RichEd32.dll");
        p.richEditVersion1 = true;
    }
    WriteAction("RichEdit library initialization complete.");
}

void InitialiseRegistry(ProgramState& p)
{
    WriteAction("Registry initialization...");
    Win32Registry registry;
    InitRegistry(registry, p.programPath);
    LoadPersonalLists();
    WriteAction("Registry initialization complete.");
}

std::string LogonName()
{
    char name[256] = {};
    DWORD size = sizeof name;
    if (!GetUserNameA(name, &size)) return std::string();
    return name;
}

void InitialiseIniFile(ProgramState& p)
{
    WriteAction("INI file initialization...");
    p.logonName = LogonName();
    p.iniPath = p.programDirectory + IniFileName(p.logonName);
    ProfileIniFile ini(p.iniPath);
    LoadIniSettings(ini, ProcessSettings());
    WriteAction("INI file initialization complete.");
}

void InitialiseGraphics(ProgramState& p)
{
    WriteAction("Graphic initialization...");
    LoadEmoticonBitmaps(p.instance);
    p.treeImages = CreateTreeImageList(p.instance);
    WriteAction("Graphic initialization complete.");
}

void LoadHotkey(ProgramState& p)
{
    WriteAction("Loading Hotkey...");
    Win32Registry registry;
    p.hotkeyLetter = ReadGeneralHotKey(registry);
    p.scanDelay = ReadScanDelay(registry);
    WriteAction("Loading Hotkey complete.");
}

void LoadTextsAndMenus(ProgramState& p)
{
    ModuleStrings strings(p.instance);
    ProcessTexts().Fill(strings);
    p.mainMenu = LoadMenuA(p.instance, MAKEINTRESOURCEA(IDR_MAIN_MENU));
    p.popupMenus = LoadMenuA(p.instance, MAKEINTRESOURCEA(IDR_POPUP_MENUS));
}

BOOL Frame_OnCreate(HWND hwnd)
{
    ProgramState& p = Program();
    p.frame = hwnd;
    LoadTextsAndMenus(p);
    CreatePersonalLists();
    CreateFonts(p);
    LoadRichEditLibrary(p);
    InitialiseRegistry(p);
    InitialiseIniFile(p);
    InitialiseGraphics(p);
    LoadHotkey(p);
    WriteAction("Create Kivet window.");
    return CreateMainDialog(p.instance, hwnd) != nullptr;
}

void Frame_OnDestroy()
{
    ProgramState& p = Program();
    if (p.regularFont) DeleteObject(p.regularFont);
    if (p.boldFont) DeleteObject(p.boldFont);
    p.regularFont = p.boldFont = nullptr;
    if (p.popupMenus) DestroyMenu(p.popupMenus);
    p.popupMenus = nullptr;
    FreeEmoticonBitmaps();
    if (p.treeImages) ImageList_Destroy(p.treeImages);
    p.treeImages = nullptr;
    FreeTrayIcons();
    PostQuitMessage(0);
    DeletePersonalLists();
    if (p.richEdit) FreeLibrary(p.richEdit);
    p.richEdit = nullptr;
    p.frame = nullptr;
}

void Frame_OnContextMenuSend()
{
    Win32Registry registry;
    CopyCut(Program().contextMenuName, ReadContextMenu(registry));
    if (Program().mainDialog) SendMessageA(Program().mainDialog, kMsgOpenContextMenuSend, 0, 0);
}

// Another program asked the program to close (a task manager's End Task, taskkill): the same
// ordered shutdown as at the end of a session, without questions, instead of a bare exit that
// would leave the tray icon and lose the settings.
void Frame_OnClose()
{
    if (Program().mainDialog) SendMessageA(Program().mainDialog, WM_ENDSESSION, TRUE, 0);
    PostQuitMessage(0); // unlike at a session end, nobody else ends the process
}

bool Frame_OnSysCommand(WPARAM command)
{
    switch (command & 0xFFF0) {
    case SC_RESTORE: RestoreMainWindow(); return true;
    case SC_MINIMIZE: MinimiseMainWindowToTray(); return true;
    }
    return false;
}

LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: return Frame_OnCreate(hwnd) ? 0 : -1;
    case WM_DESTROY: Frame_OnDestroy(); return 0;
    case WM_SYSCOMMAND:
        if (Frame_OnSysCommand(wParam)) return 0;
        break;
    case kMsgOpenContextMenuSend: Frame_OnContextMenuSend(); return 0;
    case WM_CLOSE: Frame_OnClose(); return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace

bool CreateFrameWindow(HINSTANCE instance)
{
    ProgramState& p = Program();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FrameWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KIVET));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_KIVET), IMAGE_ICON, 16, 16, 0));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = p.className;
    if (!RegisterClassExA(&wc)) return false;
    HWND frame = CreateWindowA(p.className, p.className, WS_BORDER, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr,
                               nullptr, instance, nullptr);
    if (!frame) return false;
    ShowWindow(frame, SW_HIDE);
    return true;
}

} // namespace kivet
