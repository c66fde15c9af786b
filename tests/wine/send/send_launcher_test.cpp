// The Send button's launcher over a stand-in send dialog with the real control classes: what it
// reads, what the controls look like while the sending thread runs, and how it hands back.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "messenger/resources/resource.h"
#include "messenger/send/win32/send_launcher.h"
#include "tests/wine/send/window_helpers.h"

namespace kivet {
namespace {

// What the stand-in dialog was asked to do after the send.
struct DialogRecord {
    int cancels = 0;
    HWND focusedTo = nullptr;
};

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* record = reinterpret_cast<DialogRecord*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (record != nullptr && message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) ++record->cancels;
    if (record != nullptr && message == WM_NEXTDLGCTL && LOWORD(lParam)) record->focusedTo = reinterpret_cast<HWND>(wParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

class SendLauncherTest : public ::testing::Test {
protected:
    SendLauncherTest()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = StandInProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "KivetSendStandIn";
        RegisterClassA(&wc);
        dialog = CreateWindowExA(0, "KivetSendStandIn", "Sending message", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                 nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&record));
        recipients = Child("EDIT", IDC_SEND_RECIPIENT);
        text = Child("EDIT", IDC_SEND_TEXT, ES_MULTILINE);
        sendButton = Child("BUTTON", IDC_SEND_BUTTON);
        SendMessageA(recipients, EM_LIMITTEXT, 0, 0);
        SendMessageA(text, EM_LIMITTEXT, 0, 0);
        editCursor = GetClassLongPtrA(recipients, GCLP_HCURSOR);
        buttonCursor = GetClassLongPtrA(sendButton, GCLP_HCURSOR);
        busyCursor = reinterpret_cast<LONG_PTR>(LoadCursorA(nullptr, MAKEINTRESOURCEA(32650)));
    }
    ~SendLauncherTest() override { DestroyWindow(dialog); }

    HWND Child(const char* cls, int id, DWORD style = 0)
    {
        return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 20, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    }

    // Starts the launcher and pumps this (the dialog's) thread until it ends; its exit code.
    DWORD Launch(SendLaunch launch)
    {
        launch.dialog = dialog;
        HANDLE thread = StartSendLauncher(std::move(launch));
        EXPECT_NE(thread, nullptr);
        EXPECT_TRUE(test::PumpUntilSignalled(thread));
        DWORD exitCode = 0;
        GetExitCodeThread(thread, &exitCode);
        CloseHandle(thread);
        MSG msg; // the posted hand-back
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        return exitCode;
    }

    DialogRecord record;
    HWND dialog = nullptr, recipients = nullptr, text = nullptr, sendButton = nullptr;
    LONG_PTR editCursor = 0, buttonCursor = 0, busyCursor = 0;
};

TEST_F(SendLauncherTest, TheSendingThreadGetsTheDialogsRecipientsAndText)
{
    SetWindowTextA(recipients, "PC1,@SALES");
    SetWindowTextA(text, "hello there");
    SendRequest seen;
    SendLaunch launch;
    launch.settings.addUser = true;
    launch.job = [&](const SendRequest& request, SendDialogLink&) {
        seen = request;
        return 0;
    };
    Launch(std::move(launch));
    EXPECT_EQ(seen.recipients, "PC1,@SALES");
    EXPECT_EQ(seen.text, "hello there");
    EXPECT_TRUE(seen.settings.addUser);
}

TEST_F(SendLauncherTest, LongRecipientsAndTextsAreHeldToTheirLimits)
{
    SetWindowTextA(recipients, std::string(400, 'R').c_str());
    SetWindowTextA(text, std::string(6000, 'T').c_str());
    SendRequest seen;
    SendLaunch launch;
    launch.job = [&](const SendRequest& request, SendDialogLink&) {
        seen = request;
        return 0;
    };
    Launch(std::move(launch));
    EXPECT_EQ(seen.recipients.size(), 255u);
    EXPECT_EQ(seen.text.size(), 4999u);
}

TEST_F(SendLauncherTest, WhileSendingTheControlsAreBusyAndSendIsOff)
{
    std::atomic<bool> sendEnabled{true};
    std::atomic<LONG_PTR> editWhile{0}, buttonWhile{0};
    SendLaunch launch;
    launch.job = [&](const SendRequest&, SendDialogLink&) {
        sendEnabled = IsWindowEnabled(sendButton) != FALSE;
        editWhile = GetClassLongPtrA(recipients, GCLP_HCURSOR);
        buttonWhile = GetClassLongPtrA(sendButton, GCLP_HCURSOR);
        return 0;
    };
    Launch(std::move(launch));
    EXPECT_FALSE(sendEnabled);
    EXPECT_EQ(editWhile, busyCursor);
    EXPECT_EQ(buttonWhile, busyCursor);
    EXPECT_TRUE(IsWindowEnabled(sendButton));
    EXPECT_EQ(GetClassLongPtrA(recipients, GCLP_HCURSOR), editCursor) << "the edit box gets its I-beam back";
    EXPECT_EQ(GetClassLongPtrA(sendButton, GCLP_HCURSOR), buttonCursor);
    EXPECT_NE(editCursor, buttonCursor);
}

TEST_F(SendLauncherTest, ACloseIsCarriedOutAfterTheCursorsAreBack)
{
    std::atomic<int> statusBarUpdates{0};
    SendLaunch launch;
    launch.updateStatusBar = [&] { ++statusBarUpdates; };
    launch.job = [&](const SendRequest&, SendDialogLink& link) {
        link.CloseSendDialog();
        link.UpdateStatusBar();
        return 1;
    };
    EXPECT_EQ(Launch(std::move(launch)), 1u) << "the sending thread's exit code";
    EXPECT_EQ(record.cancels, 1);
    EXPECT_EQ(record.focusedTo, nullptr);
    EXPECT_EQ(statusBarUpdates, 1);
}

TEST_F(SendLauncherTest, OtherwiseTheFocusGoesBackToTheText)
{
    SendLaunch launch;
    launch.job = [&](const SendRequest&, SendDialogLink& link) {
        link.ReadyForNextMessage();
        return 0;
    };
    Launch(std::move(launch));
    EXPECT_EQ(record.cancels, 0);
    EXPECT_EQ(record.focusedTo, text);
}

} // namespace
} // namespace kivet
