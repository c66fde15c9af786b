// Doubles for the sending tests: a network directory answered from tables, a secure exchange,
// prompts and a receipt poll that answer from scripts and record what they were asked, the
// personal lists, the send dialog, and the English texts of the sending code.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/browser/name_resolution.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/text_table.h"
#include "messenger/send/receipt_poll.h"
#include "messenger/send/secure_sender.h"
#include "messenger/send/send_dialog_link.h"
#include "messenger/send/send_lists.h"
#include "messenger/send/send_prompts.h"

namespace kivet::test {

ResolutionRecord Record(std::string_view user, std::string_view computer, std::string_view ip = "10.0.0.9");

class TableDirectory final : public NetworkDirectory {
public:
    std::string LocalUser() override { return user; }
    std::string LocalComputer() override { return computer; }
    std::string LocalWorkgroup() override { return workgroup; }
    std::vector<std::string> KnownDomains() override { return domains; }
    std::vector<std::string> KnownComputers() override { return computers; }
    std::size_t RetrieveComputers() override;
    bool ResolveName(std::string_view name, ResolveService service, ResolutionRecord& record) override;
    bool FindScanned(std::string_view name, std::string& computer) override;
    bool AdapterStatus(std::string_view computer, ResolutionRecord& record) override;

    std::string user = "JSMITH";
    std::string computer = "PC-07";
    std::string workgroup = "OFFICE";
    std::vector<std::string> domains;
    std::vector<std::string> computers;
    std::vector<std::string> computersOnRetrieval; // what RetrieveComputers finds
    std::map<std::string, ResolutionRecord> resolvable; // by the name asked
    std::map<std::string, std::string> scanned;         // name -> computer
    std::map<std::string, ResolutionRecord> adapters;   // computer -> its status

    std::vector<std::string> resolveQueries;
    std::vector<std::string> adapterQueries;
    int retrievals = 0;
};

class ScriptedSecure final : public SecureSender {
public:
    SecureResult Send(std::string_view computer, std::string_view text) override;

    std::map<std::string, SecureResult> results; // by computer; others answer `otherwise`
    SecureResult otherwise = SecureResult::NoSecureMessenger;
    std::vector<std::string> computers; // asked, in order
    std::vector<std::string>* events = nullptr; // "secure <computer>"
};

class ScriptedPrompts final : public SendPrompts {
public:
    BoxAnswer Show(const PromptBox& box) override;
    NonSecureChoice AskSendNonSecure() override;
    void ShowResults(const ResultsView& view) override;

    std::deque<BoxAnswer> answers; // for Yes/No boxes, in order; No when none is left
    std::deque<NonSecureChoice> nonSecureChoices; // No when none is left
    std::vector<PromptBox> boxes;
    int nonSecureQuestions = 0;
    std::vector<ResultsView> results;
    std::vector<std::string>* events = nullptr; // "box", "non-secure", "results"
};

class ScriptedReceiptPoll final : public GroupReceiptPoll {
public:
    bool PollOnce() override;
    void Wait(unsigned milliseconds) override { waits.push_back(milliseconds); }
    void PlayIncomingSound() override { ++sounds; }
    void MakeNewestCurrent() override { ++jumps; }
    void RefreshMessageView() override;

    std::function<bool(int)> onPoll; // the poll's result by its number; none: nothing stored
    int polls = 0;
    std::vector<unsigned> waits;
    int sounds = 0;
    int jumps = 0;
    int refreshes = 0;
    std::vector<std::string>* events = nullptr; // "refresh"
};

class TableLists final : public SendLists {
public:
    bool InNetworkGroups(std::string_view group) override { return networkGroups.count(std::string(group)) != 0; }
    bool InServerGroups(std::string_view group) override { return serverGroups.count(std::string(group)) != 0; }
    bool FindMyGroup(std::string_view name, std::vector<std::string>& members) override;
    void AddToQuickList(std::string_view name) override { quickList.emplace_back(name); }

    std::set<std::string> networkGroups;
    std::set<std::string> serverGroups;
    std::map<std::string, std::vector<std::string>> myGroups;
    std::vector<std::string> quickList;
};

class RecordingDialog final : public SendDialogLink {
public:
    void CloseSendDialog() override { events.push_back("close"); }
    void ReadyForNextMessage() override { events.push_back("ready"); }
    void UpdateStatusBar() override { events.push_back("status bar"); }
    std::vector<std::string> events;
};

class RecordingLog final : public ActionWriter {
public:
    void Write(std::string_view text) override { lines.emplace_back(text); }
    std::vector<std::string> lines;
};

// The texts of the boxes shown, in order.
std::vector<std::string> BoxTextsOf(const ScriptedPrompts& prompts);

// A text table holding the English texts of the sending code's string ids.
const TextTable& EnglishSendTexts();

} // namespace kivet::test
