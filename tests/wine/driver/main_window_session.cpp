#include "tests/wine/driver/main_window_session.h"

namespace kivet::wine {
namespace {
constexpr int kHeader = 1094;
} // namespace

bool WritePlainMessage(const std::string& sender, const std::string& recipient, const std::string& text)
{
    std::string d = sender + '\0' + recipient + '\0' + text + '\0' + "SENDER-PC" + '\0' + '\0' + '\0';
    HANDLE slot = CreateFileA("\\\\.\\mailslot\\messngr", GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (slot == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(slot, d.data(), static_cast<DWORD>(d.size()), &written, nullptr);
    CloseHandle(slot);
    return ok != FALSE;
}

std::string ControlText(HWND window, int id)
{
    char buf[6000] = {};
    SendMessageA(GetDlgItem(window, id), WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
    return buf;
}

LRESULT MenuItemState(HWND mainDialog, WORD command, bool trayMenu)
{
    static const UINT query = RegisterWindowMessageA("KivetSecureMessenger.MenuState");
    return SendMessageA(mainDialog, query, command, trayMenu ? 1 : 0);
}

UINT TrayIconShown(HWND mainDialog)
{
    static const UINT query = RegisterWindowMessageA("KivetSecureMessenger.TrayState");
    return static_cast<UINT>(SendMessageA(mainDialog, query, 0, 0));
}

std::string TrayTooltip(HWND mainDialog)
{
    static const UINT query = RegisterWindowMessageA("KivetSecureMessenger.TrayState");
    ATOM atom = static_cast<ATOM>(SendMessageA(mainDialog, query, 1, 0));
    if (!atom) return std::string();
    char text[256] = {};
    GlobalGetAtomNameA(atom, text, sizeof text);
    return text;
}

void MainWindowSession::SetUp()
{
    ASSERT_EQ(FindFrame(), nullptr);
    ResetProgramRegistry();
    PrepareRegistry();
    folder = MakeProgramFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    WriteTextFile(folder + "\\" + LogonName() + ".ini", "[GENERAL]\r\n" + IniSettings());
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, "/l"));
    main = FindMainDialog();
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
}

void MainWindowSession::TearDown()
{
    if (program.Running() && !ExitProgram(program)) program.Kill();
    WaitUntil([] { return FindFrame() == nullptr; }, 5000);
}

bool MainWindowSession::WaitForHeader(const std::string& header)
{
    return WaitUntil([&] { return ControlText(main, kHeader) == header; }, 10000);
}

bool MainWindowSession::MenuEnabled(WORD command, bool trayMenu)
{
    LRESULT state = MenuItemState(main, command, trayMenu);
    EXPECT_NE(state, -1) << "no such menu item: " << command;
    return state != -1 && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

bool MainWindowSession::MenuChecked(WORD command, bool trayMenu)
{
    LRESULT state = MenuItemState(main, command, trayMenu);
    EXPECT_NE(state, -1) << "no such menu item: " << command;
    return state != -1 && (state & MF_CHECKED) != 0;
}

std::string MainWindowSession::Caption() const
{
    char text[200] = {};
    GetWindowTextA(main, text, sizeof text);
    return text;
}

} // namespace kivet::wine
