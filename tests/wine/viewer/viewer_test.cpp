// History.exe driven from this program: the page it picks, its buttons, the layout on resize, the
// About box and printing through the shell's "print" verb.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <string>

#include "tests/wine/driver/kivet_driver.h"

namespace {

using kivet::wine::ReadTextFile;
using kivet::wine::WaitFor;
using kivet::wine::WaitUntil;
using kivet::wine::WriteTextFile;

std::string TestFolder()
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path(self);
    return path.substr(0, path.rfind('\\') + 1);
}

std::string LogonName()
{
    char name[257] = {};
    DWORD size = sizeof name;
    GetUserNameA(name, &size);
    return name;
}

std::string Text(HWND window)
{
    char text[512] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

struct WindowSearch {
    DWORD process;
    const char* caption;
    HWND except;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && window != search->except && IsWindowVisible(window) &&
        Text(window) == search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopWindow(DWORD process, const char* caption, HWND except = nullptr)
{
    WindowSearch search{process, caption, except, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The viewer started from a folder of its own holding History.exe and History\empty.html.
class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = kivet::wine::MakeProgramFolder("viewer") + "\\";
        ASSERT_TRUE(CopyFileA((TestFolder() + "History.exe").c_str(), (folder + "History.exe").c_str(), FALSE));
        CreateDirectoryA((folder + "History").c_str(), nullptr);
        DeleteFileA((folder + "History\\" + LogonName() + ".html").c_str());
        WriteTextFile(folder + "History\\empty.html", "<html><body>No history</body></html>");
    }

    void TearDown() override
    {
        if (info.hProcess) {
            if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 1);
            CloseHandle(info.hProcess);
            CloseHandle(info.hThread);
        }
    }

    HWND Start()
    {
        std::string line = "\"" + folder + "History.exe\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info))
            return nullptr;
        return WaitFor([this] { return FindTopWindow(info.dwProcessId, "Message history viewer"); });
    }

    bool Ended(DWORD* code)
    {
        if (WaitForSingleObject(info.hProcess, 15000) != WAIT_OBJECT_0) return false;
        GetExitCodeProcess(info.hProcess, code);
        return true;
    }

    std::string folder;
    PROCESS_INFORMATION info{};
};

TEST_F(ViewerTest, UserWithoutHistorySeesTheFallbackAndCloseEndsTheProgram)
{
    HWND viewer = Start();
    ASSERT_NE(viewer, nullptr);
    HWND page = GetDlgItem(viewer, 1000);
    HWND print = GetDlgItem(viewer, 1002);
    HWND close = GetDlgItem(viewer, IDCANCEL);
    ASSERT_TRUE(page && print && close);
    EXPECT_EQ(Text(page), folder + "History\\empty.html");
    EXPECT_EQ(Text(print), "Print...");
    EXPECT_EQ(Text(close), "Close");
    EXPECT_TRUE(IsWindowVisible(print) && IsWindowVisible(close));
    SendMessageA(close, BM_CLICK, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(Ended(&code));
    EXPECT_EQ(code, 0u);
}

TEST_F(ViewerTest, UserWithHistorySeesTheirOwnFile)
{
    std::string own = folder + "History\\" + LogonName() + ".html";
    WriteTextFile(own, "<html><body>mine</body></html>");
    WriteTextFile(folder + "History\\SomeoneElse.html", "<html><body>theirs</body></html>");
    HWND viewer = Start();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(Text(GetDlgItem(viewer, 1000)), own);
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(Ended(&code));
    EXPECT_EQ(code, 0u);
}

RECT ClientBox(HWND dialog, HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(ViewerTest, ResizingKeepsTheButtonsInTheBottomRightCorner)
{
    HWND viewer = Start();
    ASSERT_NE(viewer, nullptr);
    RECT closeBefore = ClientBox(viewer, GetDlgItem(viewer, IDCANCEL));
    for (SIZE size : {SIZE{700, 520}, SIZE{420, 300}}) {
        SetWindowPos(viewer, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        RECT client;
        GetClientRect(viewer, &client);
        RECT close = ClientBox(viewer, GetDlgItem(viewer, IDCANCEL));
        RECT print = ClientBox(viewer, GetDlgItem(viewer, 1002));
        RECT page = ClientBox(viewer, GetDlgItem(viewer, 1000));
        EXPECT_EQ(close.left, client.right - 78);
        EXPECT_EQ(close.top, client.bottom - 27);
        EXPECT_EQ(print.left, client.right - 160);
        EXPECT_EQ(print.top, client.bottom - 27);
        EXPECT_EQ(close.right - close.left, closeBefore.right - closeBefore.left) << "button size kept";
        EXPECT_EQ(page.right, client.right);
        EXPECT_EQ(page.bottom, client.bottom - 33);
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(viewer, IDCANCEL)));
    }
    PostMessageA(viewer, WM_CLOSE, 0, 0);
}

TEST_F(ViewerTest, AboutBoxFromTheSystemMenu)
{
    HWND viewer = Start();
    ASSERT_NE(viewer, nullptr);
    PostMessageA(viewer, WM_SYSCOMMAND, 16, 0);
    HWND about = WaitFor([&] { return FindTopWindow(info.dwProcessId, "About"); });
    ASSERT_NE(about, nullptr);
    std::string texts;
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts += Text(child) + "\n";
    EXPECT_NE(texts.find("Message history viewer\n"), std::string::npos) << texts;
    EXPECT_NE(texts.find("Version 1.4\n"), std::string::npos) << texts;
    SendMessageA(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(IsWindow(viewer));
    PostMessageA(viewer, WM_CLOSE, 0, 0);
}

// The shell's print verb for HTML pages is pointed at a recorder for the test.
class ViewerPrintTest : public ViewerTest {
protected:
    void SetUp() override
    {
        ViewerTest::SetUp();
        ASSERT_TRUE(CopyFileA((TestFolder() + "print_recorder.exe").c_str(), (folder + "print_recorder.exe").c_str(),
                              FALSE));
        DeleteFileA((folder + "print_recorder.txt").c_str());
        char type[64] = {};
        LONG size = sizeof type;
        RegQueryValueA(HKEY_CLASSES_ROOT, ".html", type, &size);
        fileType = type[0] ? type : "htmlfile";
        if (!type[0]) RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, fileType.c_str(), 0);
        std::string command = "\"" + folder + "print_recorder.exe\" \"%1\"";
        RegSetValueA(HKEY_CLASSES_ROOT, (fileType + "\\shell\\print\\command").c_str(), REG_SZ, command.c_str(), 0);
    }
    void TearDown() override
    {
        SHDeleteKeyA(HKEY_CLASSES_ROOT, (fileType + "\\shell\\print").c_str());
        ViewerTest::TearDown();
    }
    std::string fileType;
};

TEST_F(ViewerPrintTest, PrintHandsThePageToTheShellInItsFolder)
{
    HWND viewer = Start();
    ASSERT_NE(viewer, nullptr);
    PostMessageA(viewer, WM_COMMAND, 1002, 0);
    std::string record;
    ASSERT_TRUE(WaitUntil([&] {
        record = ReadTextFile(folder + "print_recorder.txt");
        return !record.empty();
    }));
    EXPECT_NE(record.find(folder + "History\\empty.html"), std::string::npos) << record;
    std::string directory = record.substr(record.find('\n') + 1);
    EXPECT_EQ(directory, folder + "History\n") << "started in the page's folder";
    EXPECT_TRUE(IsWindow(viewer));
    PostMessageA(viewer, WM_CLOSE, 0, 0);
}

} // namespace
