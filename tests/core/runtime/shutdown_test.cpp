#include "messenger/runtime/shutdown.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "messenger/runtime/action_log.h"

namespace kivet {
namespace {

// Records host calls and log entries into one sequence, so their relative order is checked.
class RecordingShutdownHost : public ShutdownHost {
public:
    std::vector<std::string>* seq;
    std::vector<BoxAnswer> answers;
    std::vector<BoxSpec> boxes;
    int unread = 0;

    explicit RecordingShutdownHost(std::vector<std::string>* s) : seq(s) {}
    void Add(const std::string& s) { seq->push_back(s); }

    std::function<void()> onBox;
    BoxAnswer ShowBox(const BoxSpec& box) override
    {
        if (onBox) onBox();
        boxes.push_back(box);
        Add("box " + box.caption);
        BoxAnswer a = answers.empty() ? BoxAnswer::Other : answers.front();
        if (!answers.empty()) answers.erase(answers.begin());
        return a;
    }
    const char* Text(uint32_t id) override
    {
        switch (id) {
        case 110: return "quit?";
        case 111: return "Closing Kivet Secure Messenger";
        case 130: return "unread?";
        case 131: return "Deleting messages";
        }
        return "";
    }
    int UnreadMessageCount() override { return unread; }
    void EmptyMessageStore() override { Add("empty-store"); }
    void RestoreMainWindow() override { Add("restore"); }
    bool shutDown = false;
    bool MarkShuttingDown() override
    {
        bool first = !shutDown;
        shutDown = true;
        return first;
    }
    void RemoveTrayIcon() override { Add("tray-removed"); }
    void ReleaseViewObjects() override { Add("view-objects"); }
    void DestroyChildWindows() override { Add("children"); }
    void EndMainDialog() override { Add("end-dialog"); }
    void KillTimer(uint32_t id) override { Add("kill " + std::to_string(id)); }
    void StopTrayBlinking() override { Add("blink-flag"); }
    void StopScrollLockBlinking() override { Add("scroll-lock-off"); }
    ShutdownState state;
    ShutdownState State() override { return state; }
    void TerminateScanThread() override { Add("scan-thread"); }
    void CloseWorkerAndMailslotHandles() override { Add("handles"); }
    void DestroyNetworkState() override { Add("~network-state"); }
    void ReleaseGdiResources() override { Add("gdi"); }
    void SaveSettings() override { Add("save"); }
    void RemoveContextMenuVerb() override { Add("verb-removed"); }
    void UnregisterHotkey() override { Add("hotkey"); }
    void StopTransferServer() override { Add("transfer"); }
    void PostQuit() override { Add("quit"); }
};

// Log entries land in the same sequence as the host calls.
class SequenceLog : public ActionWriter {
public:
    explicit SequenceLog(std::vector<std::string>* s) : seq(s) {}
    void Write(std::string_view text) override { seq->push_back("log " + std::string(text)); }
    std::vector<std::string>* seq;
};

class Shutdown : public ::testing::Test {
protected:
    std::vector<std::string> seq;
    RecordingShutdownHost host{&seq};
    SequenceLog log{&seq};
};

const std::vector<std::string> kFullSequence = {
    "tray-removed",
    "view-objects",
    "children",
    "end-dialog",
    "log Kill timers...",
    "kill 420",
    "kill 421",
    "kill 2000",
    "kill 444",
    "kill 433",
    "blink-flag",
    "kill 455",
    "scroll-lock-off",
    "log Kill timers complete.",
    "log Terminate threads...",
    "scan-thread",
    "handles",
    "log Terminate threads complete.",
    "~network-state",
    "log Release GDI resources...",
    "gdi",
    "log Release GDI resources complete.",
    "log Save preferences to INI file...",
    "save",
    "log Save preferences to INI file complete.",
    "verb-removed",
    "log Exit process.",
    "hotkey",
    "transfer",
};

std::vector<std::string> Without(std::vector<std::string> v, std::initializer_list<const char*> drop)
{
    for (const char* d : drop)
        v.erase(std::remove(v.begin(), v.end(), std::string(d)), v.end());
    return v;
}

TEST_F(Shutdown, SessionEndRunsTheWholeSequenceInOrderWithoutQuestions)
{
    RunShutdownSequence(host, {true, true, true, true, true}, log);
    EXPECT_EQ(seq, kFullSequence);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Shutdown, OptionalStepsFollowTheState)
{
    RunShutdownSequence(host, {false, false, false, false, false}, log);
    EXPECT_EQ(seq, Without(kFullSequence, {"kill 444", "kill 433", "blink-flag", "kill 455", "scroll-lock-off",
                                           "hotkey", "transfer"}));
}

TEST_F(Shutdown, ExitAnsweredNoLeavesEverythingRunning)
{
    host.answers = {BoxAnswer::No};
    EXPECT_FALSE(RunExitCommand(host, log));
    EXPECT_EQ(seq, (std::vector<std::string>{"log Processing Exit command...", "box Closing Kivet Secure Messenger"}));
    EXPECT_EQ(host.boxes[0],
              (BoxSpec{"quit?", "Closing Kivet Secure Messenger", BoxButtons::YesNo, BoxIcon::Exclamation}));
}

TEST_F(Shutdown, ExitAnsweredYesRunsTheSequenceAndQuits)
{
    host.answers = {BoxAnswer::Yes};
    host.state = {false, false, false, true, true};
    EXPECT_TRUE(RunExitCommand(host, log));
    std::vector<std::string> expected = {"log Processing Exit command...", "box Closing Kivet Secure Messenger"};
    for (const std::string& s :
         Without(kFullSequence, {"kill 444", "kill 433", "blink-flag", "kill 455", "scroll-lock-off"}))
        expected.push_back(s);
    expected.push_back("quit");
    EXPECT_EQ(seq, expected);
}

TEST_F(Shutdown, StateIsReadAfterTheQuestions)
{
    // A message arrives while the quit question is open and starts the blinking.
    host.answers = {BoxAnswer::Yes};
    host.onBox = [this] { host.state.trayBlinking = true; };
    EXPECT_TRUE(RunExitCommand(host, log));
    EXPECT_EQ(std::count(seq.begin(), seq.end(), "kill 433"), 1);
}

TEST_F(Shutdown, UnreadMessagesAskASecondTime)
{
    host.unread = 2;
    host.answers = {BoxAnswer::Yes, BoxAnswer::Yes};
    EXPECT_TRUE(RunExitCommand(host, log));
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1], (BoxSpec{"unread?", "Deleting messages", BoxButtons::YesNo, BoxIcon::Information}));
    EXPECT_EQ(seq[3], "empty-store");
    EXPECT_EQ(seq.back(), "quit");
}

TEST_F(Shutdown, UnreadMessagesAndNoRestoresTheWindowAndCancels)
{
    host.unread = 1;
    host.answers = {BoxAnswer::Yes, BoxAnswer::No};
    EXPECT_FALSE(RunExitCommand(host, log));
    EXPECT_EQ(seq.back(), "restore");
    EXPECT_EQ(std::count(seq.begin(), seq.end(), "empty-store"), 0);
    EXPECT_EQ(std::count(seq.begin(), seq.end(), "quit"), 0);
}

TEST_F(Shutdown, SequenceRunsOnlyOnce)
{
    EXPECT_TRUE(RunShutdownSequence(host, {}, log));
    std::size_t after = seq.size();
    EXPECT_FALSE(RunShutdownSequence(host, {}, log));
    EXPECT_EQ(seq.size(), after);
}

TEST_F(Shutdown, SessionEndWhileTheQuitQuestionIsOpenIsNotRepeatedByYes)
{
    // The session ends (and runs the sequence) while the box waits; Yes then changes nothing.
    host.answers = {BoxAnswer::Yes};
    host.shutDown = true;
    EXPECT_FALSE(RunExitCommand(host, log));
    EXPECT_EQ(std::count(seq.begin(), seq.end(), "save"), 0);
    EXPECT_EQ(std::count(seq.begin(), seq.end(), "quit"), 0);
}

TEST_F(Shutdown, ClosedQuestionBoxCountsAsNo)
{
    host.answers = {BoxAnswer::Other};
    EXPECT_FALSE(RunExitCommand(host, log));
    EXPECT_EQ(std::count(seq.begin(), seq.end(), "save"), 0);
}

} // namespace
} // namespace kivet
