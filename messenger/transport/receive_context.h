// What the mailslot readers need from the rest of the program: settings, the local names, the
// personal lists, the auto-reply text, name look-ups, the history and a pause between datagrams.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "messenger/store/message_record.h"

namespace kivet {

struct ReceiveSettings {
    bool ignorWorkgroup = false;
    bool activeIgnorList = false;
    bool logHistory = false;
    bool autoReplyMode = false;
    bool useComputerName = false;
};

class ReceiveContext {
public:
    virtual ~ReceiveContext() = default;
    virtual ReceiveSettings Settings() = 0;
    virtual std::string LocalWorkgroup() = 0; // upper-case
    virtual std::string LocalComputer() = 0;
    virtual std::string LocalUser() = 0;
    virtual bool InIgnoreList(std::string_view sender) = 0;
    // The Network Groups list or the relay server's group list holds the group.
    virtual bool IsMemberOfGroup(std::string_view group) = 0;
    virtual std::string AutoReplyMessage() = 0;
    // The current local time, formatted for MessageRecord::receivedAt.
    virtual std::string ReceivedAtNow() = 0;
    // The computer a computer or user name is registered at, found over NetBIOS.
    virtual std::optional<std::string> ResolveName(std::string_view name) = 0;
    // Looks the sender up in the scanned names list and asks that computer for its adapter
    // status; the computer's name when a name reported there equals the sender.
    virtual std::optional<std::string> ConfirmByAdapterStatus(std::string_view sender) = 0;
    virtual void WriteIncomingHistory(const MessageRecord& record) = 0;
    virtual void WriteOutgoingHistory(std::string_view recipient, std::string_view text) = 0;
    virtual void Pause(unsigned milliseconds) = 0;
};

} // namespace kivet
