// The receipt poll of a group send over the program's group mailslot and message store. The
// sound and the view refresh belong to the main window and come in as callbacks.
#pragma once

#include <functional>

#include "common/text_codec.h"
#include "messenger/send/receipt_poll.h"
#include "messenger/store/message_store.h"
#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/receipt_table.h"
#include "messenger/transport/receive_context.h"

namespace kivet {

struct ReceiptPollCallbacks {
    std::function<void()> playIncomingSound;
    std::function<void()> refreshMessageView; // window message 3333 to the main window
};

class TransportReceiptPoll final : public GroupReceiptPoll {
public:
    TransportReceiptPoll(MailslotReader& groupMailslot, MailslotWriter& writer, const TextCodec& codec,
                         ReceiveContext& context, MessageStore& store, ReceiptTable& receipts,
                         ReceiptPollCallbacks callbacks);

    bool PollOnce() override;
    void Wait(unsigned milliseconds) override;
    void PlayIncomingSound() override;
    void MakeNewestCurrent() override;
    void RefreshMessageView() override;

private:
    MailslotReader& groupMailslot_;
    MailslotWriter& writer_;
    const TextCodec& codec_;
    ReceiveContext& context_;
    MessageStore& store_;
    ReceiptTable& receipts_;
    ReceiptPollCallbacks callbacks_;
};

} // namespace kivet
