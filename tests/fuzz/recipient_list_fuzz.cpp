// The sending thread with a recipient list, a text and network answers all taken from the input:
// whatever the user types and the network reports, no datagram is written to a target that is not
// a plain NetBIOS name (or "*"), and a group datagram never carries a text it would cut.
// Input: the settings byte, then NUL-separated fields: the recipient list, the text, then
// alternately names the network reports (domains, computers, resolved computers) and users.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "messenger/transport/mailslot_target.h"
#include "messenger/send/send_mode.h"
#include "messenger/send/send_services.h"
#include "messenger/transport/mailslot_port.h"
#include "tests/core/send/send_doubles.h"
#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using namespace kivet;

std::vector<std::string> Fields(const uint8_t* data, std::size_t size)
{
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            fields.emplace_back();
        else
            fields.back().push_back(static_cast<char>(data[i]));
    }
    return fields;
}

SendSettings SettingsFrom(uint8_t bits)
{
    SendSettings s;
    s.notifyForMsgSending = bits & 0x01;
    s.useServer = bits & 0x02;
    s.useBroadcast = bits & 0x04;
    s.addUser = bits & 0x08;
    s.closeWindowAfterSending = bits & 0x10;
    s.serverName = bits & 0x20 ? "RELAY\\X" : "RELAY1";
    return s;
}

void RequireValidTargets(const test::RecordingWriter& writer)
{
    for (const test::WrittenDatagram& w : writer.written) {
        fuzz::Require(IsMailslotTarget(w.target, Broadcast::Allowed));
        if (w.path == kGroupMailslot) fuzz::Require(w.bytes.size() == 368);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::vector<std::string> fields = Fields(data + 1, size - 1);
    test::TableDirectory directory;
    test::RecordingWriter writer;
    test::ScriptedContext context;
    test::TableLists lists;
    test::ScriptedSecure secure;
    test::ScriptedPrompts prompts;
    test::ScriptedReceiptPoll poll;
    ReceiptTable results;
    test::RecordingDialog dialog;
    test::RecordingLog log;
    NonSecureConsent consent;
    secure.otherwise = static_cast<SecureResult>(data[0] >> 6 == 3 ? 2 : data[0] >> 6);
    prompts.answers.assign(8, BoxAnswer::Yes);
    prompts.nonSecureChoices.assign(8, NonSecureChoice{true, (data[0] & 0x40) != 0});
    lists.networkGroups = {"@SALES"};
    for (std::size_t i = 2; i + 1 < fields.size(); i += 2) {
        const std::string& name = fields[i];
        const std::string& user = fields[i + 1];
        directory.domains.push_back(name);
        directory.computers.push_back(name);
        directory.resolvable[name] = test::Record(user, name);
        directory.resolvable[user] = test::Record(user, name);
        directory.scanned[user] = name;
        directory.adapters[name] = test::Record(user, user);
        lists.myGroups["#" + user] = {name, user, "@SALES"};
    }
    const std::string recipients = fields[0];
    const std::string text = fields.size() > 1 ? fields[1] : std::string();

    SendServices services{directory, writer, test::TestCodec(), context, lists, secure, prompts, poll, results,
                          dialog,    log,    test::EnglishSendTexts(), consent};
    RunSendingThread(SendRequest{recipients, text, SettingsFrom(data[0])}, services);
    RequireValidTargets(writer);

    writer.written.clear();
    SendModeServices modeServices{directory, writer, test::TestCodec(), context, lists};
    RunSendMode({recipients, text}, text, modeServices);
    RequireValidTargets(writer);
    return 0;
}
