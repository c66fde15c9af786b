// The Details window in a program of its own, read and driven from this one: the five values
// with "N/A" for the empty ones, the labels and pictures, F1 and OK.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "messenger/resources/resource.h"
#include "tests/wine/driver/kivet_driver.h"

namespace kivet {
namespace {

using wine::WaitFor;
using wine::WaitUntil;

std::string HostPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\') + 1) + "details_window_host.exe";
}

std::string TextOf(HWND window)
{
    char text[256] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

class DetailsWindowHost {
public:
    explicit DetailsWindowHost(const std::string& args)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string line = "\"" + HostPath() + "\" " + args;
        started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                  &process_) != 0;
    }
    ~DetailsWindowHost()
    {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    // The Details window of this process.
    HWND Window()
    {
        return WaitFor([this] {
            struct Search {
                DWORD process;
                HWND found;
            } search{process_.dwProcessId, nullptr};
            EnumWindows(
                [](HWND window, LPARAM param) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(param);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    char cls[32] = {};
                    GetClassNameA(window, cls, sizeof cls);
                    if (owner == s->process && std::string(cls) == "#32770" && IsWindowVisible(window)) {
                        s->found = window;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&search));
            return search.found;
        });
    }

    DWORD ThreadId() const { return process_.dwThreadId; }

    // The exit code once the program ended, or STILL_ACTIVE.
    DWORD WaitExit(DWORD ms)
    {
        WaitForSingleObject(process_.hProcess, ms);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    bool Started() const { return started_; }

private:
    bool started_ = false;
    PROCESS_INFORMATION process_{};
};

TEST(DetailsWindow, ShowsTheFiveValuesWithNotAvailableForEmptyOnes)
{
    DetailsWindowHost host("pc-07 \"\" OFFICE \"\" 192.168.1.7");
    ASSERT_TRUE(host.Started());
    HWND window = host.Window();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(TextOf(window), "Details");
    EXPECT_EQ(TextOf(GetDlgItem(window, IDC_DETAILS_COMPUTER)), "Pc-07");
    EXPECT_EQ(TextOf(GetDlgItem(window, IDC_DETAILS_USER)), "N/A");
    EXPECT_EQ(TextOf(GetDlgItem(window, IDC_DETAILS_WORKGROUP)), "OFFICE");
    EXPECT_EQ(TextOf(GetDlgItem(window, IDC_DETAILS_MAC)), "N/A");
    EXPECT_EQ(TextOf(GetDlgItem(window, IDC_DETAILS_IP)), "192.168.1.7");

    EXPECT_EQ(TextOf(GetDlgItem(window, IDC_DETAILS_COMPUTER_LABEL)), "Computer name:");
    EXPECT_EQ(TextOf(GetDlgItem(window, IDC_DETAILS_USER_LABEL)), "Logged user:");
    EXPECT_EQ(TextOf(GetDlgItem(window, IDC_DETAILS_WORKGROUP_LABEL)), "Domain/Workgroup:");
    EXPECT_EQ(TextOf(GetDlgItem(window, IDC_DETAILS_MAC_LABEL)), "MAC address:");
    EXPECT_EQ(TextOf(GetDlgItem(window, IDC_DETAILS_IP_LABEL)), "IP address:");
    EXPECT_EQ(TextOf(GetDlgItem(window, IDC_DETAILS_INTRO)),
              "View advanced details about the computer, user or received message.");

    EXPECT_NE(SendMessageA(GetDlgItem(window, IDC_DETAILS_PICTURE), STM_GETICON, 0, 0), 0) << "picture 342";
    // The title bar's icon cannot be read from another process under Wine (WM_GETICON answers 0
    // there); the screenshot of the window shows it.
    const LONG style = GetWindowLongA(GetDlgItem(window, IDC_DETAILS_COMPUTER), GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);

    SendMessageA(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(host.WaitExit(10000), 100u) << "closed with OK, no help asked";
}

TEST(DetailsWindow, EveryValueEmptyReadsNotAvailable)
{
    DetailsWindowHost host("");
    HWND window = host.Window();
    ASSERT_NE(window, nullptr);
    for (int id : {IDC_DETAILS_COMPUTER, IDC_DETAILS_USER, IDC_DETAILS_WORKGROUP, IDC_DETAILS_MAC, IDC_DETAILS_IP})
        EXPECT_EQ(TextOf(GetDlgItem(window, id)), "N/A") << id;
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0); // Esc
    EXPECT_EQ(host.WaitExit(10000), 100u);
}

TEST(DetailsWindow, F1AsksForTheHelpTopic)
{
    DetailsWindowHost host("PC1 JSMITH OFFICE 000c29abcd07 10.0.0.1");
    HWND window = host.Window();
    ASSERT_NE(window, nullptr);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(WaitUntil([&] { return GetGUIThreadInfo(host.ThreadId(), &info) && info.hwndFocus != nullptr; }));
    // F1 as the keyboard gives it: the system turns the key into a help request.
    SetForegroundWindow(window);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }, 5000));
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, keys, sizeof(INPUT)), 2u);
    Sleep(500);
    SendMessageA(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(host.WaitExit(10000), 101u) << "one help request";
}

} // namespace
} // namespace kivet
