// What the secure exchange asks of the running program, and the secure way of the sending code
// over the program's secure session.
#pragma once

#include "messenger/app/application.h"
#include "messenger/clients/secure_host.h"
#include "messenger/send/secure_sender.h"

namespace kivet {

class ProgramSecureHost final : public SecureHost {
public:
    explicit ProgramSecureHost(Application& app) : app_(app) {}
    SecureSettings Settings() override;
    std::string LocalComputer() override;
    std::string LocalUser() override;
    const TextCodec& Codec() override;
    bool InIgnoreList(std::string_view name) override;
    std::string ReceivedAtNow() override;
    void WriteIncomingHistory(const MessageRecord& record) override;
    void AnswerWithAutoReply(std::string_view computer) override;
    void SecureMessageStored() override;
    void WriteOutgoingHistory(std::string_view sender, std::string_view recipient, std::string_view text) override;
    void ShowBox(const BoxSpec& box) override;
    void Pause(unsigned milliseconds) override;

private:
    Application& app_;
};

// The sending code's secure way: one secure send to the computer, on a thread of its own.
class SessionSecureSender final : public SecureSender {
public:
    explicit SessionSecureSender(Application& app) : app_(app) {}
    SecureResult Send(std::string_view computer, std::string_view text) override;

private:
    Application& app_;
};

} // namespace kivet
