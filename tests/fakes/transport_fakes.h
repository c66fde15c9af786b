// In-memory doubles for the transport tests and fuzz targets: a mailslot that is a queue of
// datagrams, a writer that records what it was given, and a receive context answered from fields
// the test sets.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "messenger/store/message_store.h"
#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/receive_context.h"

namespace kivet::test {

std::vector<uint8_t> ToBytes(std::string_view text);
std::string ToText(const std::vector<uint8_t>& bytes);

// Every record of the store, oldest first (moves the current record to the newest).
std::vector<MessageRecord> StoredRecords(MessageStore& store);

// The datagrams waiting in a mailslot, oldest first.
class QueueReader final : public MailslotReader {
public:
    void Push(std::vector<uint8_t> datagram) { queue.push_back(std::move(datagram)); }
    void Push(std::string_view datagram) { queue.push_back(ToBytes(datagram)); }

    bool Peek(uint32_t& nextSize, uint32_t& waiting) override;
    bool Read(std::vector<uint8_t>& datagram) override;

    std::deque<std::vector<uint8_t>> queue;
    bool failPeek = false;
    bool failRead = false;
    int reads = 0;
};

struct WrittenDatagram {
    std::string target;
    std::string path;
    std::vector<uint8_t> bytes;
};

// Records every datagram; targets in refused cannot be opened and get nothing.
class RecordingWriter final : public MailslotWriter {
public:
    bool Write(std::string_view target, std::string_view path, const uint8_t* data, std::size_t size) override;

    std::vector<WrittenDatagram> written;
    std::set<std::string> refused;
    std::vector<std::string>* events = nullptr; // "write <target>" when set
};

class ScriptedContext final : public ReceiveContext {
public:
    ReceiveSettings Settings() override { return settings; }
    std::string LocalWorkgroup() override { return workgroup; }
    std::string LocalComputer() override { return computer; }
    std::string LocalUser() override { return user; }
    bool InIgnoreList(std::string_view sender) override;
    bool IsMemberOfGroup(std::string_view group) override;
    std::string AutoReplyMessage() override { return autoReplyMessage; }
    std::string ReceivedAtNow() override { return receivedAt; }
    std::optional<std::string> ResolveName(std::string_view name) override;
    std::optional<std::string> ConfirmByAdapterStatus(std::string_view sender) override;
    void WriteIncomingHistory(const MessageRecord& record) override;
    void WriteOutgoingHistory(std::string_view recipient, std::string_view text) override;
    void Pause(unsigned milliseconds) override;

    ReceiveSettings settings;
    std::string workgroup = "OFFICE";
    std::string computer = "PC-07";
    std::string user = "jsmith";
    std::set<std::string> ignoreList;
    std::set<std::string> groups;
    std::string autoReplyMessage = "I am away";
    std::string receivedAt = "01 March 2004 10:00:00";
    std::map<std::string, std::string> resolvable;  // name -> computer, for ResolveName
    std::map<std::string, std::string> confirmable; // sender -> computer, for ConfirmByAdapterStatus

    std::vector<std::string> resolveQueries;
    std::vector<std::string> confirmQueries;
    std::vector<MessageRecord> incoming;
    std::vector<std::pair<std::string, std::string>> outgoing; // recipient, text
    std::vector<unsigned> pauses;
    std::vector<std::string>* events = nullptr; // "history <recipient>" and "pause <ms>" when set
};

} // namespace kivet::test
