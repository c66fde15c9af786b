#include "messenger/transport/mailslot_setup.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "messenger/runtime/action_log.h"

namespace kivet {
namespace {

// Scripted system: which mailslots can be created (per attempt), the service state, the answers.
class ScriptedSetupHost : public MailslotSetupHost {
public:
    std::map<MailslotKind, std::vector<bool>> creations; // results of successive attempts
    bool serviceRunning = false;
    BoxAnswer answer = BoxAnswer::Yes;
    std::vector<std::string>* seq;

    explicit ScriptedSetupHost(std::vector<std::string>* s) : seq(s) {}

    bool CreateMailslot(MailslotKind kind) override
    {
        static const char* names[] = {"plain", "group", "autoreply", "relay"};
        auto& results = creations[kind];
        bool ok = results.empty() ? true : results.front();
        if (!results.empty()) results.erase(results.begin());
        seq->push_back(std::string("create ") + names[static_cast<int>(kind)] + (ok ? "" : " failed"));
        return ok;
    }
    bool IsMessengerServiceRunning() override { return serviceRunning; }
    void StopMessengerService() override { seq->push_back("stop service"); }
    void Sleep(unsigned ms) override { seq->push_back("sleep " + std::to_string(ms)); }
    BoxAnswer AskOwnedByMainWindow(const BoxSpec& box) override
    {
        seq->push_back("ask " + box.text + " / " + box.caption + (box.icon == BoxIcon::Question ? " ?" : " stop"));
        return answer;
    }
    void ShowOwnedByFrame(const BoxSpec& box) override { seq->push_back("warn " + box.text); }
    const char* Text(unsigned id) override
    {
        switch (id) {
        case 112: return "mailbox taken";
        case 118: return "Initializing";
        case 119: return "stop the service?";
        }
        return "";
    }
    void RequestRelayGroupList() override { seq->push_back("relay groups"); }
    void RequestRelayOfflineMessages() override { seq->push_back("relay offline"); }
};

class SequenceLog : public ActionWriter {
public:
    explicit SequenceLog(std::vector<std::string>* s) : seq(s) {}
    void Write(std::string_view text) override { seq->push_back("log " + std::string(text)); }
    std::vector<std::string>* seq;
};

class MailslotSetup : public ::testing::Test {
protected:
    std::vector<std::string> seq;
    ScriptedSetupHost host{&seq};
    SequenceLog log{&seq};
    MailslotSetupResult Run(OsFamily family, bool useServer = false)
    {
        return CreateMailslots(host, {family, useServer}, log);
    }
};

TEST_F(MailslotSetup, AllFourInOrderWithTheirLogLines)
{
    EXPECT_EQ(Run(kOsWinXP), MailslotSetupResult::Ready);
    EXPECT_EQ(seq, (std::vector<std::string>{"log Create mailbox....", "create plain", "log Create mailbox complete.",
                                             "log Create Group maiboxes...", "create group", "create autoreply",
                                             "create relay", "log Create Group maiboxes complete."}));
}

TEST_F(MailslotSetup, TakenMailslotIsFatalOutsideTheNtFamily)
{
    for (OsFamily family : {kOsWin95, kOsWin98, kOsWinMe, kOsOther}) {
        seq.clear();
        host.creations[MailslotKind::Plain] = {false};
        EXPECT_EQ(Run(family), MailslotSetupResult::ExitProcess) << family;
        EXPECT_EQ(seq.back(), "ask mailbox taken / Initializing stop");
    }
}

TEST_F(MailslotSetup, RunningServiceIsTakenOverAfterYes)
{
    host.creations[MailslotKind::Plain] = {false, true};
    host.serviceRunning = true;
    EXPECT_EQ(Run(kOsWin2000), MailslotSetupResult::Ready);
    EXPECT_EQ(std::vector<std::string>(seq.begin(), seq.begin() + 8),
              (std::vector<std::string>{"log Create mailbox....", "create plain failed",
                                        "ask stop the service? / Initializing ?", "log Shutdown Messenger Service...",
                                        "stop service", "sleep 3000", "create plain",
                                        "log Shutdown Messenger Service complete."}));
}

TEST_F(MailslotSetup, TakeOverGoesOnWhenTheSecondAttemptFails)
{
    host.creations[MailslotKind::Plain] = {false, false};
    host.serviceRunning = true;
    EXPECT_EQ(Run(kOsWinNT4), MailslotSetupResult::Ready);
    EXPECT_NE(std::find(seq.begin(), seq.end(), "create group"), seq.end());
}

TEST_F(MailslotSetup, NoToTheServiceQuestionEndsTheProgram)
{
    host.creations[MailslotKind::Plain] = {false};
    host.serviceRunning = true;
    host.answer = BoxAnswer::No;
    EXPECT_EQ(Run(kOsWinXP), MailslotSetupResult::ExitProcess);
    EXPECT_EQ(std::find(seq.begin(), seq.end(), "stop service"), seq.end());
}

TEST_F(MailslotSetup, AnotherProgramHoldingTheMailslotGivesAWarningAndGoesOn)
{
    host.creations[MailslotKind::Plain] = {false};
    EXPECT_EQ(Run(kOsWinXP), MailslotSetupResult::Ready);
    EXPECT_EQ(seq[2], "warn mailbox taken");
    EXPECT_EQ(seq.back(), "log Create Group maiboxes complete.");
}

TEST_F(MailslotSetup, GroupOrAutoReplyFailureEndsTheProgramSilently)
{
    for (MailslotKind kind : {MailslotKind::Group, MailslotKind::AutoReply}) {
        seq.clear();
        host.creations.clear();
        host.creations[kind] = {false};
        EXPECT_EQ(Run(kOsWinXP), MailslotSetupResult::ExitProcess);
        for (const std::string& s : seq)
            EXPECT_NE(s.rfind("ask", 0), 0u) << s;
    }
}

TEST_F(MailslotSetup, RelayRequestsFollowTheSettingAndTheClientMailslot)
{
    Run(kOsWinXP, false);
    EXPECT_EQ(std::count(seq.begin(), seq.end(), "relay groups") + std::count(seq.begin(), seq.end(), "relay offline"),
              0);
    seq.clear();
    Run(kOsWinXP, true);
    EXPECT_EQ(std::count(seq.begin(), seq.end(), "relay groups"), 1);
    EXPECT_EQ(std::count(seq.begin(), seq.end(), "relay offline"), 1);
    seq.clear();
    host.creations[MailslotKind::RelayClient] = {false};
    Run(kOsWinXP, true);
    EXPECT_EQ(std::count(seq.begin(), seq.end(), "relay groups"), 0);
    EXPECT_EQ(std::count(seq.begin(), seq.end(), "relay offline"), 1);
}

} // namespace
} // namespace kivet
