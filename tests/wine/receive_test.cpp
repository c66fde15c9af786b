// The real program receiving datagrams that a second program writes into its mailslots, the way
// "net send" and other installations do.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "tests/wine/driver/kivet_driver.h"

namespace kivet::wine {
namespace {

const char kReceived[] = "New common message has been received.";

bool WriteDatagram(const char* path, const std::string& bytes)
{
    HANDLE slot =
        CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (slot == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(slot, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(slot);
    return ok && written == bytes.size();
}

bool WritePlain(const std::string& bytes)
{
    return WriteDatagram("\\\\.\\mailslot\\messngr", bytes);
}

// sender NUL recipient NUL text NUL origin NUL flag NUL, as another installation writes it.
std::string OwnForm(const std::string& sender, const std::string& recipient, const std::string& text,
                    const std::string& origin, char flag)
{
    std::string d = sender + '\0' + recipient + '\0' + text + '\0' + origin + '\0';
    d += flag;
    d += '\0';
    return d;
}

class Receiving : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(FindFrame(), nullptr);
        ResetProgramRegistry();
        folder = MakeProgramFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override
    {
        if (program.Running() && !ExitProgram(program)) program.Kill();
        WaitUntil([] { return FindFrame() == nullptr; }, 5000);
    }
    std::vector<std::string> Actions() { return LogActions(ReadTextFile(folder + "\\kivetsec.log")); }
    long Count(const char* action)
    {
        std::vector<std::string> a = Actions();
        return std::count(a.begin(), a.end(), action);
    }
    bool WaitForAnnouncements(long count)
    {
        return WaitUntil([&] { return Count(kReceived) >= count; }, 10000);
    }

    std::string folder;
    KivetProcess program;
};

TEST_F(Receiving, NetSendStyleOwnFormAndSplitMessagesAreAnnounced)
{
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, "/l"));
    // The Messenger service's three fields.
    ASSERT_TRUE(WritePlain(std::string("ADMIN") + '\0' + "BOB" + '\0' + "Server restarts at noon" + '\0'));
    ASSERT_TRUE(WaitForAnnouncements(1));

    // Another installation's six fields.
    ASSERT_TRUE(WritePlain(OwnForm("Alice", "Bob", "Lunch?", "ALICE-PC", 0)));
    ASSERT_TRUE(WaitForAnnouncements(2));

    // A 650-character message in three pieces, all flagged 2.
    std::string text(650, 'x');
    ASSERT_TRUE(WritePlain(OwnForm("Carol", "Bob", text.substr(0, 300), "CAROL-PC", 2)));
    ASSERT_TRUE(WritePlain(OwnForm("Carol", "Bob", text.substr(300, 300), "CAROL-PC", 2)));
    ASSERT_TRUE(WritePlain(OwnForm("Carol", "Bob", text.substr(600), "CAROL-PC", 2)));
    ASSERT_TRUE(WaitForAnnouncements(3));
    // Each announcement ends with its "Complete." line, written once the window has been told.
    EXPECT_TRUE(WaitUntil([&] { return Count("New common message has been received. Complete.") == 3; }, 10000));
    EXPECT_EQ(Count(kReceived), 3);
}

TEST_F(Receiving, InvalidDatagramsAreIgnoredAndTheProgramKeepsRunning)
{
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, "/l"));
    ASSERT_TRUE(WritePlain("no separators at all"));
    ASSERT_TRUE(WritePlain(std::string("one") + '\0' + "separator"));
    ASSERT_TRUE(WritePlain(std::string(2000, '\0')));
    ASSERT_TRUE(WritePlain(std::string(70000, 'A') + '\0' + "B" + '\0' + "C" + '\0'));
    Sleep(4000);
    EXPECT_TRUE(program.Running());
    // A good datagram behind them still arrives.
    ASSERT_TRUE(WritePlain(OwnForm("Dave", "Bob", "still here?", "DAVE-PC", 0)));
    EXPECT_TRUE(WaitForAnnouncements(1));
}

TEST_F(Receiving, GroupProbeIsNotStoredAndHostileGroupDatagramsDoNoHarm)
{
    ASSERT_TRUE(StartAndWaitForMainWindow(program, folder, "/l"));
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    std::string probe(368, '\0');
    std::string fields[] = {"@KIVETFAKEGROUP", "*", computer, "Prober"};
    for (int i = 0; i < 4; ++i)
        probe.replace(4 + 16 * i, fields[i].size(), fields[i]);
    ASSERT_TRUE(WriteDatagram("\\\\.\\mailslot\\kivet\\group", probe));
    ASSERT_TRUE(WriteDatagram("\\\\.\\mailslot\\kivet\\group", std::string(368, 'Z'))); // nothing terminated
    ASSERT_TRUE(WriteDatagram("\\\\.\\mailslot\\kivet\\group", std::string(5, '\x01')));
    Sleep(4000);
    EXPECT_TRUE(program.Running());
    EXPECT_EQ(Count("New group message has been received."), 0);
}

} // namespace
} // namespace kivet::wine
