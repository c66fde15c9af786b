// The program's Win32 secure session with the real Secure.dll, registered with regsvr32, in one
// process: the component's start (and the box when its class is missing), a record served on
// port 19803, the probe, a send to a computer without a server, and a stop that ends the server
// thread before the component is released, even while that thread waits on the main thread.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>

#include "messenger/clients/secure_message_arrival.h"
#include "messenger/clients/secure_record_writer.h"
#include "messenger/clients/win32/secure_session.h"
#include "messenger/store/message_store.h"
#include "secure/tcp_channel.h"
#include "tests/wine/clients/wine_secure_host.h"
#include "tests/wine/driver/kivet_driver.h"

namespace kivet::wine {
namespace {

bool RegisterSecure(bool on)
{
    return RunAndWait(std::string("regsvr32 /s ") + (on ? "" : "/u ") + "\"" + BinFolder() + "Secure.dll\"") == 0;
}

// Sends a message record from a computer that agreed no key, as any peer could; false while the
// server does not take connections (between two connections it re-creates its socket).
bool SendUnkeyedMessage()
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        secure::TcpChannel peer;
        if (peer.Connect("127.0.0.1", 19803)) {
            SecureRecord record = BuildMessageRecord("MALLORY", "NOWHERE");
            record.textLength = 4;
            return peer.Send(&record, sizeof record);
        }
        Sleep(100);
    }
    return false;
}

bool WaitFor(const std::atomic<int>& value, int expected, DWORD ms = 10000)
{
    for (DWORD waited = 0; waited < ms; waited += 20) {
        if (value == expected) return true;
        Sleep(20);
    }
    return value == expected;
}

class SecureSessionUnderWine : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registered = RegisterSecure(true); }
    void SetUp() override { ASSERT_TRUE(registered) << "regsvr32 Secure.dll failed"; }

    bool Start()
    {
        return session.Start(host, log, store, [this](const BoxSpec& box) { host.ShowBox(box); });
    }

    static bool registered;
    WineSecureHost host;
    NoLog log;
    MessageStore store;
    SecureSession session;
};
bool SecureSessionUnderWine::registered = false;

TEST_F(SecureSessionUnderWine, ServesARecordAndStopsTheServerBeforeTheComponentGoes)
{
    ASSERT_TRUE(Start());
    EXPECT_NE(session.Interface(), nullptr);
    EXPECT_TRUE(session.ServerRunning());
    ASSERT_TRUE(SendUnkeyedMessage());
    ASSERT_TRUE(WaitFor(host.stored, 1));
    const std::optional<MessageRecord> record = store.CurrentRecord();
    ASSERT_TRUE(record.has_value());
    EXPECT_STREQ(record->text, kSecureMissingKeyText);
    EXPECT_STREQ(record->sender, "Mallory");

    session.Stop();
    EXPECT_FALSE(session.ServerRunning());
    EXPECT_EQ(session.Interface(), nullptr);
    secure::TcpChannel late;
    EXPECT_FALSE(late.Connect("127.0.0.1", 19803)) << "the server still listens after the stop";
}

TEST_F(SecureSessionUnderWine, StopServesTheMessageTheServerThreadWaitsOn)
{
    // The window belongs to this thread; the server thread sends it a message when a record is
    // stored and waits for the answer, as the program's notification does.
    static std::atomic<int> served{0};
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_APP + 1) ++served;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    };
    windowClass.lpszClassName = "KivetSecureStoredProbe";
    windowClass.hInstance = GetModuleHandleA(nullptr);
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("KivetSecureStoredProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    std::atomic<bool> sending{false};
    host.onStored = [&] {
        sending = true;
        SendMessageA(window, WM_APP + 1, 0, 0);
    };

    ASSERT_TRUE(Start());
    ASSERT_TRUE(SendUnkeyedMessage());
    for (int i = 0; i < 500 && !sending; ++i)
        Sleep(20);
    ASSERT_TRUE(sending) << "the record was not handled";
    session.Stop(); // without serving sent messages this would never return
    EXPECT_EQ(served.load(), 1);
    EXPECT_FALSE(session.ServerRunning());
    DestroyWindow(window);
}

TEST_F(SecureSessionUnderWine, ProbeSeesARunningServer)
{
    ASSERT_TRUE(Start());
    bool seen = false;
    for (int attempt = 0; attempt < 50 && !seen; ++attempt) {
        seen = session.ProbeSecureServer("127.0.0.1");
        if (!seen) Sleep(100);
    }
    EXPECT_TRUE(seen);
    EXPECT_FALSE(session.ProbeSecureServer("no-such-computer.invalid"));
    session.Stop();
    EXPECT_FALSE(session.ProbeSecureServer("127.0.0.1"));
}

TEST_F(SecureSessionUnderWine, ComputerWithoutServerGivesTwo)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(session.SendSecure("no-such-computer.invalid", "hello"), 2);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SecureSessionUnderWine, MissingClassShowsTheStopBoxAndFails)
{
    ASSERT_TRUE(RegisterSecure(false));
    const bool started = Start();
    ASSERT_TRUE(RegisterSecure(true));
    EXPECT_FALSE(started);
    EXPECT_EQ(session.Interface(), nullptr);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0], (BoxSpec{"Kivet Secure Interface CLSID not found. Please reinstall application.",
                                      "Kivet Secure Messenger", BoxButtons::Ok, BoxIcon::Stop}));
}

} // namespace
} // namespace kivet::wine
