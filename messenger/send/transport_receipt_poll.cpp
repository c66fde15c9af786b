#include "messenger/send/transport_receipt_poll.h"

#include <utility>

#include "messenger/transport/poll_group.h"

namespace kivet {

TransportReceiptPoll::TransportReceiptPoll(MailslotReader& groupMailslot, MailslotWriter& writer,
                                           const TextCodec& codec, ReceiveContext& context, MessageStore& store,
                                           ReceiptTable& receipts, ReceiptPollCallbacks callbacks)
    : groupMailslot_(groupMailslot), writer_(writer), codec_(codec), context_(context), store_(store),
      receipts_(receipts), callbacks_(std::move(callbacks))
{
}

bool TransportReceiptPoll::PollOnce()
{
    return PollGroup(groupMailslot_, writer_, codec_, context_, store_, receipts_) == 1;
}

void TransportReceiptPoll::Wait(unsigned milliseconds)
{
    context_.Pause(milliseconds);
}

void TransportReceiptPoll::PlayIncomingSound()
{
    if (callbacks_.playIncomingSound) callbacks_.playIncomingSound();
}

void TransportReceiptPoll::MakeNewestCurrent()
{
    store_.MakeNewestCurrent();
}

void TransportReceiptPoll::RefreshMessageView()
{
    if (callbacks_.refreshMessageView) callbacks_.refreshMessageView();
}

} // namespace kivet
