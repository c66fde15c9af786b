#include "messenger/runtime/program_start.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "messenger/messages.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/registry_settings.h"
#include "tests/fakes/memory_registry.h"

namespace kivet {
namespace {

// Records every step the start-up asks of the window side, in order.
class RecordingHost : public StartupHost {
public:
    std::string args;
    bool network = true;
    bool adapters = true;
    bool instanceRunning = false;
    bool frameCreated = true;
    OsVersion version{true, kPlatformWindowsNT, 5, 1};
    std::string dir;

    std::vector<std::string> calls;
    std::vector<BoxSpec> boxes;
    std::vector<std::pair<unsigned, unsigned>> sent;
    std::vector<std::string> recipients;
    std::string sentText;
    OsFamily familyAtWorkerStart = kOsOther;

    void InitCommonControlsAndOle() override { calls.push_back("init"); }
    void LoadStartupStrings() override { calls.push_back("strings"); }
    std::string StartupString(unsigned id) override { return id == 185 ? "no network text" : "?"; }
    bool NetworkPresent() override { return network; }
    BoxAnswer ShowBox(const BoxSpec& box) override
    {
        calls.push_back("box");
        boxes.push_back(box);
        return BoxAnswer::Ok;
    }
    std::string ProgramDirectory() override { return dir; }
    std::string CommandArguments() override { return args; }
    bool SendToRunningInstance(unsigned message, unsigned wParam) override
    {
        calls.push_back("send-to-instance");
        if (instanceRunning) sent.emplace_back(message, wParam);
        return instanceRunning;
    }
    void CreateNetworkState() override { calls.push_back("network-state"); }
    void DestroyNetworkState() override { calls.push_back("~network-state"); }
    bool EnumerateAdapters() override
    {
        calls.push_back("adapters");
        return adapters;
    }
    void FillLocalNames() override { calls.push_back("local-names"); }
    OsVersion QueryOsVersion() override { return version; }
    void StartStartupWorker() override
    {
        calls.push_back("worker");
        familyAtWorkerStart = CurrentOsFamily();
    }
    void SendToRecipients(const std::vector<std::string>& r, const std::string& text) override
    {
        calls.push_back("deliver");
        recipients = r;
        sentText = text;
    }
    bool CreateFrameWindow() override
    {
        calls.push_back("frame");
        return frameCreated;
    }
    int RunMessageLoop() override
    {
        calls.push_back("loop");
        return 42;
    }
};

class ProgramStart : public ::testing::Test {
protected:
    RecordingHost host;
    ActionLog log{[] { return std::tm{}; }};
    testing::MemoryRegistry registry;
    void SetUp() override
    {
        registry.CreateKey(RegRoot::CurrentUser, kProgramKey);
        host.dir = ::testing::TempDir() + "kivet_start";
    }
    int Run(const std::string& args)
    {
        host.args = args;
        return RunProgram(host, log, registry);
    }
    static std::vector<std::string> NormalStart()
    {
        return {"init", "strings", "send-to-instance", "network-state", "adapters", "worker", "frame", "loop"};
    }
};

TEST_F(ProgramStart, NormalStartRunsEveryStepInOrder)
{
    EXPECT_EQ(Run(""), 42);
    EXPECT_EQ(host.calls, NormalStart());
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(ProgramStart, OsFamilyKnownBeforeTheWorkerStarts)
{
    host.version = {true, kPlatformWindows9x, 4, 90};
    Run("");
    EXPECT_EQ(host.familyAtWorkerStart, kOsWinMe);
}

TEST_F(ProgramStart, NoNetworkShowsTheStopBoxBeforeAnythingElse)
{
    host.network = false;
    EXPECT_EQ(Run("/l"), 0);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"init", "strings", "box"}));
    EXPECT_EQ(host.boxes[0], (BoxSpec{"no network text", "Initialization", BoxButtons::Ok, BoxIcon::Stop}));
    EXPECT_FALSE(log.IsOn());
}

TEST_F(ProgramStart, AdapterFailureShowsTheStopBoxAndEnds)
{
    host.adapters = false;
    EXPECT_EQ(Run(""), 0);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"init", "strings", "send-to-instance", "network-state", "adapters",
                                                    "box", "~network-state"}));
    EXPECT_EQ(host.boxes[0].caption, "Initialization");
    EXPECT_EQ(host.boxes[0].icon, BoxIcon::Stop);
}

TEST_F(ProgramStart, SecondPlainStartRestoresTheFirstAndEnds)
{
    host.instanceRunning = true;
    EXPECT_EQ(Run(""), 0);
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0], std::make_pair(kSysCommandMessage, kRestoreCommand));
    EXPECT_EQ(host.calls.back(), "send-to-instance");
}

TEST_F(ProgramStart, HelpBoxThenNormalStart)
{
    for (const char* key : {"/?", "/h", "/H"}) {
        host.calls.clear();
        host.boxes.clear();
        EXPECT_EQ(Run(key), 42) << key;
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0], CommandLineHelpBox());
        EXPECT_EQ(host.boxes[0].icon, BoxIcon::Information);
    }
    EXPECT_EQ(CommandLineHelpBox().text.find("/e"), std::string::npos);
    EXPECT_EQ(CommandLineHelpBox().text.find("/l"), std::string::npos);
}

TEST_F(ProgramStart, UnknownKeyShowsTheExclamationBoxAndEnds)
{
    EXPECT_EQ(Run("/x"), 0);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"init", "strings", "box"}));
    EXPECT_EQ(host.boxes[0].text.rfind("Inorrect command line parameter.\n", 0), 0u);
    EXPECT_EQ(host.boxes[0].icon, BoxIcon::Exclamation);
    EXPECT_EQ(host.boxes[0].caption, "Kivet Secure Messenger");
}

TEST_F(ProgramStart, SendWithoutTextShowsNotEnoughParameters)
{
    EXPECT_EQ(Run("/s PC1"), 0);
    EXPECT_EQ(host.boxes.at(0), NotEnoughParametersBox());
    EXPECT_EQ(host.boxes[0].icon, BoxIcon::None);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "network-state"), 0);
}

TEST_F(ProgramStart, SendModeDeliversToEachRecipientInOrderWithoutAWindow)
{
    EXPECT_EQ(Run("/S pc1,Pc2 hello there"), 0);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"init", "strings", "network-state", "adapters", "local-names",
                                                    "deliver", "~network-state"}));
    EXPECT_EQ(host.recipients, (std::vector<std::string>{"PC1", "PC2"}));
    EXPECT_EQ(host.sentText, "hello there");
}

TEST_F(ProgramStart, SendModeWithoutAdaptersSendsNothingSilently)
{
    host.adapters = false;
    EXPECT_EQ(Run("/s PC1 hi"), 0);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.recipients.empty());
    EXPECT_EQ(host.calls.back(), "~network-state");
}

TEST_F(ProgramStart, HandOverStoresTheComputerAndTellsTheRunningInstance)
{
    for (const char* path : {"/e \\\\PC7", "/E \\\\PC7\\"}) {
        host.sent.clear();
        host.instanceRunning = true;
        EXPECT_EQ(Run(path), 0);
        EXPECT_EQ(ReadContextMenu(registry), "PC7") << path;
        ASSERT_EQ(host.sent.size(), 1u);
        EXPECT_EQ(host.sent[0].first, kMsgOpenContextMenuSend);
    }
}

TEST_F(ProgramStart, HandOverWithoutARunningInstanceStillStoresTheName)
{
    EXPECT_EQ(Run("/e \\\\SERVER9\\share"), 0);
    EXPECT_EQ(ReadContextMenu(registry), "SERVER9");
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "frame"), 0);
}

TEST_F(ProgramStart, LogKeyStartsTheLogAndRecordsAdapterEnumeration)
{
    EXPECT_EQ(Run("/L"), 42);
    EXPECT_TRUE(log.IsOn());
    std::ifstream in(host.dir + "\\kivetsec.log", std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    std::string content = ss.str();
    EXPECT_EQ(content.rfind(std::string(55, '='), 0), 0u);
    std::size_t a = content.find("ACTION: Enumerating network adapters...");
    std::size_t b = content.find("ACTION: Enumerating complete.");
    EXPECT_NE(a, std::string::npos);
    EXPECT_NE(b, std::string::npos);
    EXPECT_LT(a, b);
    std::remove((host.dir + "\\kivetsec.log").c_str());
}

TEST_F(ProgramStart, FailedFrameWindowReturnsZero)
{
    host.frameCreated = false;
    EXPECT_EQ(Run(""), 0);
    EXPECT_EQ(host.calls.back(), "frame");
}

} // namespace
} // namespace kivet
