// What the secure exchange and the secure sender need from the rest of the program: the local
// names and settings, the Ignore List, the history, Auto-Reply answers, the new-message
// notification and the user's boxes. The program's composition supplies it.
#pragma once

#include <string>
#include <string_view>

#include "common/text_codec.h"
#include "messenger/runtime/message_box.h"
#include "messenger/store/message_record.h"

namespace kivet {

struct SecureSettings {
    bool activeIgnorList = false;
    bool logHistory = false;
    bool autoReplyMode = false;
    bool useComputerName = false;
};

class SecureHost {
public:
    virtual ~SecureHost() = default;

    virtual SecureSettings Settings() = 0;
    // The local names as the system gives them, in upper case.
    virtual std::string LocalComputer() = 0;
    virtual std::string LocalUser() = 0;
    // The ANSI case conversions the display forms of names are made with.
    virtual const TextCodec& Codec() = 0;

    // The exchange thread's side. InIgnoreList compares without regard to letter case.
    virtual bool InIgnoreList(std::string_view name) = 0;
    // The current local time, formatted for MessageRecord::receivedAt.
    virtual std::string ReceivedAtNow() = 0;
    virtual void WriteIncomingHistory(const MessageRecord& record) = 0;
    // Sends the current Auto-Reply message to the computer (see AnswerWithAutoReply in
    // secure_auto_reply.h for the datagram).
    virtual void AnswerWithAutoReply(std::string_view computer) = 0;
    // A secure message was appended to the store: start the new-message notification and have
    // the main window refresh its view. Called on the exchange thread; may wait for the main thread.
    virtual void SecureMessageStored() = 0;

    // The sender's side, on the sending thread.
    virtual void WriteOutgoingHistory(std::string_view sender, std::string_view recipient, std::string_view text) = 0;
    virtual void ShowBox(const BoxSpec& box) = 0;
    virtual void Pause(unsigned milliseconds) = 0;
};

} // namespace kivet
