#include "messenger/app/frame_window.h"

#include "common/fixed_text.h"
#include "messenger/app/logon_name.h"
#include "messenger/app/main_thread_call.h"
#include "messenger/app/secure_host.h"
#include "messenger/runtime/win32/message_box_win32.h"
#include "messenger/app/main_window_host.h"
#include "messenger/mainwindow/win32/main_dialog.h"
#include "messenger/mainwindow/win32/tray_icon.h"
#include "messenger/mainwindow/win32/tree_image_list.h"
#include "messenger/mainwindow/win32/window_queries.h"
#include "messenger/messages.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/ini_file_win32.h"
#include "messenger/runtime/win32/language_menus.h"
#include "messenger/runtime/win32/registry_store_win32.h"
#include "messenger/runtime/win32/resource_strings.h"

namespace kivet {
namespace {

void CreateFonts(MainWindowResources& r)
{
    LOGFONTA font{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    lstrcpynA(font.lfFaceName, "Tahoma", LF_FACESIZE);
    r.regularFont = CreateFontIndirectA(&font);
    font.lfWeight = 600;
    r.boldFont = CreateFontIndirectA(&font);
}

void LoadRichEditLibrary(Application& app)
{
    WriteAction("RichEdit library initialization...");
    app.richEdit = LoadLibraryA("RichEd20.dll");
    if (!app.richEdit) {
        app.richEdit = LoadLibraryA("RichEd32.dll");
        app.windowResources.richEditVersion1 = true;
    }
    WriteAction("RichEdit library initialization complete.");
}

void LoadPersonalLists(ListObjects& lists)
{
    lists.lists.LoadAtStartup();
    lists.autoReply.LoadText();
}

void InitialiseRegistry(Application& app)
{
    WriteAction("Registry initialization...");
    Win32Registry registry;
    InitRegistry(registry, app.files.programPath);
    LoadPersonalLists(*app.lists);
    WriteAction("Registry initialization complete.");
}

void InitialiseIniFile(Application& app)
{
    WriteAction("INI file initialization...");
    ProgramFiles& files = app.files;
    files.logonName = SystemLogonName();
    files.iniPath = files.programDirectory + IniFileName(files.logonName);
    ProfileIniFile ini(files.iniPath);
    LoadIniSettings(ini, app.settings);
    WriteAction("INI file initialization complete.");
}

// The history follows the settings just loaded; OverwriteAtStartup starts it anew.
void OpenHistory(Application& app)
{
    app.history = std::make_unique<HistoryLog>(app.files.programDirectory, app.files.logonName, app.registry,
                                               app.settings);
    app.history->ClearIfOverwriteAtStartup();
}

void InitialiseGraphics(Application& app)
{
    WriteAction("Graphic initialization...");
    app.emoticons.Load(app.files.instance);
    app.windowResources.treeImages = CreateTreeImageList(app.files.instance);
    WriteAction("Graphic initialization complete.");
}

void LoadHotkey(Application& app)
{
    WriteAction("Loading Hotkey...");
    Win32Registry registry;
    app.hotkeyLetter = ReadStoredHotKey(registry);
    app.scanDelay = ReadScanDelay(registry);
    WriteAction("Loading Hotkey complete.");
}

void LoadTextsAndMenus(Application& app)
{
    HINSTANCE instance = app.files.instance;
    ModuleStrings strings(instance);
    ProcessTexts().Fill(strings);
    ReplaceLanguageMenus(instance);
}

// The secure component and its server thread; false when the component is missing (its box has
// been shown and the program ends).
bool StartSecureExchange(Application& app)
{
    app.secureHost = std::make_unique<ProgramSecureHost>(app);
    return app.secure.Start(*app.secureHost, ProcessActionLog(), app.store,
                            [](const BoxSpec& box) { ShowMessageBox(nullptr, box); });
}

// What the main window is given of the program's files and resources.
void DescribeWindowResources(Application& app)
{
    MainWindowResources& r = app.windowResources;
    r.instance = app.files.instance;
    r.programDirectory = app.files.programDirectory;
    r.caption = app.files.className;
    r.emoticons = &app.emoticons;
}

BOOL Frame_OnCreate(Application& app, HWND hwnd)
{
    app.frame = hwnd;
    DescribeWindowResources(app);
    LoadTextsAndMenus(app);
    app.lists = std::make_unique<ListObjects>(app.browser);
    CreateFonts(app.windowResources);
    LoadRichEditLibrary(app);
    InitialiseRegistry(app);
    InitialiseIniFile(app);
    OpenHistory(app);
    InitialiseGraphics(app);
    LoadHotkey(app);
    if (!StartSecureExchange(app)) return FALSE;
    WriteAction("Create Kivet window.");
    app.mainWindowHost = std::make_unique<ProgramMainWindowHost>(app);
    app.mainWindow = std::make_unique<MainWindow>(app.windowResources, *app.mainWindowHost, app.store, app.settings);
    return CreateMainDialog(*app.mainWindow, hwnd) != nullptr;
}

void DeleteFonts(MainWindowResources& r)
{
    if (r.regularFont) DeleteObject(r.regularFont);
    if (r.boldFont) DeleteObject(r.boldFont);
    r.regularFont = r.boldFont = nullptr;
}

// The away mark must not outlive the program on the adapter.
void DeletePersonalLists(Application& app)
{
    if (app.InAutoReplyMode()) app.lists->autoReply.LeaveAutoReplyMode();
    app.lists.reset();
}

void Frame_OnDestroy(Application& app)
{
    // The server thread ends before the component goes; it may still send to the main window.
    app.secure.Stop();
    MainWindowResources& r = app.windowResources;
    DeleteFonts(r);
    DestroyLanguageMenus();
    app.emoticons.Free();
    if (r.treeImages) ImageList_Destroy(r.treeImages);
    r.treeImages = nullptr;
    if (app.mainWindow) {
        FreeTrayIcons(*app.mainWindow);
        ForgetWindowQueryAnswers(*app.mainWindow);
    }
    PostQuitMessage(0);
    DeletePersonalLists(app);
    if (app.richEdit) FreeLibrary(app.richEdit);
    app.richEdit = nullptr;
    app.frame = nullptr;
}

void Frame_OnContextMenuSend(Application& app)
{
    Win32Registry registry;
    CopyCut(app.contextMenuName, ReadContextMenu(registry));
    // Posted: the later start that sent this waits for the answer, and the dialog stays open long after.
    if (HWND main = app.MainDialog()) PostMessageA(main, kMsgOpenContextMenuSend, 0, 0);
}

// Another program asked the program to close (a task manager's End Task, taskkill): the same
// ordered shutdown as at the end of a session, without questions, instead of a bare exit that
// would leave the tray icon and lose the settings.
void Frame_OnClose(Application& app)
{
    if (HWND main = app.MainDialog()) SendMessageA(main, WM_ENDSESSION, TRUE, 0);
    PostQuitMessage(0); // unlike at a session end, nobody else ends the process
}

bool Frame_OnSysCommand(Application& app, WPARAM command)
{
    if (!app.mainWindow) return false;
    switch (command & 0xFFF0) {
    case SC_RESTORE: RestoreMainWindow(*app.mainWindow); return true;
    case SC_MINIMIZE: MinimiseMainWindowToTray(*app.mainWindow); return true;
    }
    return false;
}

LRESULT DispatchFrame(Application& app, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: return Frame_OnCreate(app, hwnd) ? 0 : -1;
    case WM_DESTROY: Frame_OnDestroy(app); return 0;
    case WM_SYSCOMMAND:
        if (Frame_OnSysCommand(app, wParam)) return 0;
        break;
    case kMsgOpenContextMenuSend: Frame_OnContextMenuSend(app); return 0;
    case WM_CLOSE: Frame_OnClose(app); return 0;
    case kMsgRunOnMainThread: (*reinterpret_cast<const std::function<void()>*>(lParam))(); return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* app = reinterpret_cast<Application*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return app ? DispatchFrame(*app, hwnd, msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace

bool CreateFrameWindow(Application& app)
{
    HINSTANCE instance = app.files.instance;
    const char* className = app.files.className;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FrameWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KIVET));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_KIVET), IMAGE_ICON, 16, 16, 0));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    if (!RegisterClassExA(&wc)) return false;
    HWND frame = CreateWindowA(className, className, WS_BORDER, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr,
                               nullptr, instance, &app);
    if (!frame) return false;
    ShowWindow(frame, SW_HIDE);
    return true;
}

} // namespace kivet
