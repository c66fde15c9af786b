// What the mailslot readers need from the running program: its settings, names, lists, clock and
// history.
#pragma once

#include "messenger/app/application.h"
#include "messenger/transport/receive_context.h"

namespace kivet {

class ProgramReceiveContext : public ReceiveContext {
public:
    explicit ProgramReceiveContext(Application& app) : app_(app) {}
    ReceiveSettings Settings() override;
    std::string LocalWorkgroup() override;
    std::string LocalComputer() override;
    std::string LocalUser() override;
    bool InIgnoreList(std::string_view sender) override;
    bool IsMemberOfGroup(std::string_view group) override;
    std::string AutoReplyMessage() override;
    std::string ReceivedAtNow() override;
    std::optional<std::string> ResolveName(std::string_view name) override;
    std::optional<std::string> ConfirmByAdapterStatus(std::string_view sender) override;
    void WriteIncomingHistory(const MessageRecord& record) override;
    void WriteOutgoingHistory(std::string_view recipient, std::string_view text) override;
    void Pause(unsigned milliseconds) override;

private:
    Application& app_;
};

} // namespace kivet
