// The Messenger-format mailslot held by the system's Messenger service (a stand-in service here)
// or by another program, as the real program meets it at start-up on Windows XP.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "tests/wine/driver/kivet_driver.h"

namespace kivet::wine {
namespace {

const char kQuestion[] = "Kivet Secure Messenger has detected Windows NT Messenger Service that is currently "
                         "running and must be shut down.\nDo you wish to continue?";
const char kTaken[] = "Cannot create the mailbox for storing messages.\nProbably, another instant messenger already "
                      "uses it.";

// Makes the system report Windows XP to kivetsec.exe, the family where the service exists.
void PretendWindowsXp()
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\kivetsec.exe", 0, nullptr, 0, KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("winxp"), 6);
    RegCloseKey(key);
}

void RemoveService()
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return;
    if (SC_HANDLE service = OpenServiceA(manager, "Messenger", SERVICE_ALL_ACCESS)) {
        SERVICE_STATUS status{};
        ControlService(service, SERVICE_CONTROL_STOP, &status);
        WaitUntil([&] { return QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_STOPPED; },
                  5000);
        DeleteService(service);
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
}

class MessengerTakeover : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(FindFrame(), nullptr);
        ResetProgramRegistry();
        RemoveService();
        PretendWindowsXp();
        folder = MakeProgramFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        ASSERT_NE(manager, nullptr);
    }
    void TearDown() override
    {
        if (program.Running() && !ExitProgram(program)) program.Kill();
        if (service) CloseServiceHandle(service);
        if (manager) CloseServiceHandle(manager);
        RemoveService();
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\kivetsec.exe");
        WaitUntil([] { return FindFrame() == nullptr; }, 5000);
    }

    void StartFakeService()
    {
        std::string binary = "\"" + BinFolder() + "fake_messenger_service.exe\"";
        service = CreateServiceA(manager, "Messenger", "Messenger", SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                                 SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE, binary.c_str(), nullptr, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(service, nullptr) << GetLastError();
        ASSERT_TRUE(StartServiceA(service, 0, nullptr)) << GetLastError();
        SERVICE_STATUS status{};
        ASSERT_TRUE(WaitUntil(
            [&] { return QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_RUNNING; }, 15000));
        // The service now holds the mailslot.
        ASSERT_TRUE(WaitUntil([] {
            HANDLE probe = CreateFileA("\\\\.\\mailslot\\messngr", GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
            if (probe == INVALID_HANDLE_VALUE) return false;
            CloseHandle(probe);
            return true;
        }));
    }

    HWND WaitForBox(const char* caption)
    {
        return WaitFor([&] { return FindMessageBox(program.Id(), caption); });
    }

    std::string folder;
    KivetProcess program;
    SC_HANDLE manager = nullptr;
    SC_HANDLE service = nullptr;
};

TEST_F(MessengerTakeover, YesStopsAndDisablesTheServiceAndTakesTheMailslot)
{
    StartFakeService();
    ASSERT_TRUE(program.Start(folder, "/l"));
    HWND box = WaitForBox("Initializing");
    ASSERT_NE(box, nullptr) << "no takeover question";
    EXPECT_EQ(MessageBoxText(box), kQuestion);
    PressButton(box, IDYES);
    // The program waits 3 s for the service to stop before it creates the mailslot again.
    std::string log = folder + "\\kivetsec.log";
    ASSERT_TRUE(WaitUntil(
        [&] {
            std::vector<std::string> a = LogActions(ReadTextFile(log));
            return std::find(a.begin(), a.end(), "Create Group maiboxes complete.") != a.end();
        },
        20000));

    SERVICE_STATUS status{};
    EXPECT_TRUE(QueryServiceStatus(service, &status));
    EXPECT_EQ(status.dwCurrentState, static_cast<DWORD>(SERVICE_STOPPED));
    char buffer[4096];
    DWORD needed = 0;
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer);
    ASSERT_TRUE(QueryServiceConfigA(service, config, sizeof buffer, &needed));
    EXPECT_EQ(config->dwStartType, static_cast<DWORD>(SERVICE_DISABLED));

    std::vector<std::string> actions = LogActions(ReadTextFile(log));
    auto at = [&](const char* text) { return std::find(actions.begin(), actions.end(), text) - actions.begin(); };
    EXPECT_LT(at("Create mailbox...."), at("Shutdown Messenger Service..."));
    EXPECT_LT(at("Shutdown Messenger Service..."), at("Shutdown Messenger Service complete."));
    EXPECT_LT(at("Shutdown Messenger Service complete."), at("Create mailbox complete."));
    EXPECT_LT(at("Create mailbox complete."), static_cast<long>(actions.size()));
    // The program owns the mailslot now: a second owner cannot create it.
    HANDLE second = CreateMailslotA("\\\\.\\mailslot\\messngr", 0, 0, nullptr);
    EXPECT_EQ(second, INVALID_HANDLE_VALUE);
    if (second != INVALID_HANDLE_VALUE) CloseHandle(second);
}

TEST_F(MessengerTakeover, NoEndsTheProgram)
{
    StartFakeService();
    ASSERT_TRUE(program.Start(folder, ""));
    HWND box = WaitForBox("Initializing");
    ASSERT_NE(box, nullptr);
    PressButton(box, IDNO);
    DWORD code = 1;
    ASSERT_TRUE(program.WaitExit(15000, &code));
    EXPECT_EQ(code, 0u);
    SERVICE_STATUS status{};
    EXPECT_TRUE(QueryServiceStatus(service, &status));
    EXPECT_EQ(status.dwCurrentState, static_cast<DWORD>(SERVICE_RUNNING));
}

TEST_F(MessengerTakeover, AnotherProgramHoldingTheMailslotGivesAWarningAndTheProgramRuns)
{
    HANDLE held = CreateMailslotA("\\\\.\\mailslot\\messngr", 0, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(program.Start(folder, ""));
    HWND box = WaitForBox("Initializing");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), kTaken);
    PressButton(box, IDOK);
    EXPECT_NE(WaitFor(FindMainDialog, 15000), nullptr);
    EXPECT_TRUE(program.Running());
    CloseHandle(held);
}

} // namespace
} // namespace kivet::wine
