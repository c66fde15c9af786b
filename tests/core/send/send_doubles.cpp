#include "tests/core/send/send_doubles.h"

#include "common/fixed_text.h"
#include "messenger/resources/resource.h"

namespace kivet::test {
namespace {

class EnglishSource final : public StringSource {
public:
    bool Load(uint32_t id, char* buf, std::size_t size) override
    {
        static const std::map<uint32_t, std::string_view> kTexts = {
            {IDS_SENT_TO_DOMAIN, "The message to domain %s has been successfully sent."},
            {IDS_SENDING_CAPTION, "Sending message"},
            {IDS_SENT_TO_USER, "The message to user %s (logged on computer %s) has been successfully sent."},
            {IDS_NAME_NOT_FOUND, "Name %s has not been found on the network."},
            {IDS_SENT_TO_COMPUTER, "The message to computer %s has been successfully sent."},
            {IDS_GROUP_TEXT_TOO_LONG, "You cannot send messages to Network Groups more than 300 symbols"},
            {IDS_RECEIVED_ON_COMPUTERS, "The message has been received on %d computers:"},
            {IDS_SENT_TO_GROUP, "The message to Group %s has been successfully sent."},
            {IDS_NO_GROUP_PERMISSION, "You have no permission to send messages on Network Group %s. You must be a "
                                      "member of this group to have the rights to send messages on it.\n\nClick "
                                      "Help for more information."},
            {IDS_SENT_TO_COMPUTER_AND_USER, "The message to computer %s (logged user %s) has been successfully sent."},
            {IDS_SENT_TO_MULTIPLE, "The message to the multiple recipients has been successfully sent."},
            {IDS_NO_SUCH_MY_GROUP, "You cannot send message to My Group %s. You must specify a valid name, which "
                                   "exists in your My Groups list.\n\nClick Help for more information."},
            {IDS_COLUMN_USER, "User"},
            {IDS_COLUMN_COMPUTER, "Computer"},
            {IDS_RESULT_NOT_FOUND, "The name was not found"},
            {IDS_RESULT_INVALID_NAME, "The specified name does not exist in My Groups list"},
            {IDS_RESULT_NO_PERMISSION, "You have no permission to send"},
            {IDS_STORE_ON_RELAY_QUESTION, "The name %s has not been found on the network.\n\nDo you wish to store the "
                                    "message on Relay Server?\nWhen recipient will appear online he will "
                                    "automatically receive your message from the server."},
            {IDS_SECURE_SEND_QUESTION,
             "Error occured while sending secure message.\nDo you wish to send non secure message?"},
        };
        const auto found = kTexts.find(id);
        if (found == kTexts.end()) return false;
        CopyCut(buf, size, found->second);
        return true;
    }
};

} // namespace

ResolutionRecord Record(std::string_view user, std::string_view computer, std::string_view ip)
{
    ResolutionRecord record;
    CopyCut(record.userName, user);
    CopyCut(record.computerName, computer);
    CopyCut(record.workgroupName, "OFFICE");
    CopyCut(record.macAddress, "00a0c9112233");
    CopyCut(record.ipAddress, ip);
    return record;
}

std::size_t TableDirectory::RetrieveComputers()
{
    ++retrievals;
    computers = computersOnRetrieval;
    return computers.size();
}

bool TableDirectory::ResolveName(std::string_view name, ResolveService, ResolutionRecord& record)
{
    resolveQueries.emplace_back(name);
    const auto found = resolvable.find(std::string(name));
    if (found == resolvable.end()) return false;
    record = found->second;
    return true;
}

bool TableDirectory::FindScanned(std::string_view name, std::string& found)
{
    const auto it = scanned.find(std::string(name));
    if (it == scanned.end()) return false;
    found = it->second;
    return true;
}

bool TableDirectory::AdapterStatus(std::string_view name, ResolutionRecord& record)
{
    adapterQueries.emplace_back(name);
    const auto found = adapters.find(std::string(name));
    if (found == adapters.end()) return false;
    record = found->second;
    return true;
}

SecureResult ScriptedSecure::Send(std::string_view computer, std::string_view)
{
    computers.emplace_back(computer);
    if (events != nullptr) events->push_back("secure " + std::string(computer));
    const auto found = results.find(std::string(computer));
    return found == results.end() ? otherwise : found->second;
}

BoxAnswer ScriptedPrompts::Show(const PromptBox& box)
{
    boxes.push_back(box);
    if (events != nullptr) events->push_back("box");
    if (box.box.buttons == BoxButtons::Ok) return BoxAnswer::Ok;
    if (answers.empty()) return BoxAnswer::No;
    const BoxAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

NonSecureChoice ScriptedPrompts::AskSendNonSecure()
{
    ++nonSecureQuestions;
    if (events != nullptr) events->push_back("non-secure");
    if (nonSecureChoices.empty()) return {};
    const NonSecureChoice choice = nonSecureChoices.front();
    nonSecureChoices.pop_front();
    return choice;
}

void ScriptedPrompts::ShowResults(const ResultsView& view)
{
    results.push_back(view);
    if (events != nullptr) events->push_back("results");
}

bool ScriptedReceiptPoll::PollOnce()
{
    const int number = polls++;
    return onPoll ? onPoll(number) : false;
}

void ScriptedReceiptPoll::RefreshMessageView()
{
    ++refreshes;
    if (events != nullptr) events->push_back("refresh");
}

bool TableLists::FindMyGroup(std::string_view name, std::vector<std::string>& members)
{
    const auto found = myGroups.find(std::string(name));
    if (found == myGroups.end()) return false;
    members = found->second;
    return true;
}

std::vector<std::string> BoxTextsOf(const ScriptedPrompts& prompts)
{
    std::vector<std::string> out;
    for (const PromptBox& box : prompts.boxes)
        out.push_back(box.box.text);
    return out;
}

const TextTable& EnglishSendTexts()
{
    static const TextTable table = [] {
        TextTable t;
        EnglishSource source;
        t.Fill(source);
        return t;
    }();
    return table;
}

} // namespace kivet::test
