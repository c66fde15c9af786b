// Reading the group mailslot: group messages for the local Network Groups are acknowledged and
// stored, presence probes acknowledged only, and receipts of the local user's own group
// messages collected in the receipt table.
#pragma once

#include "messenger/store/message_store.h"
#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/receipt_table.h"
#include "messenger/transport/receive_context.h"
#include "common/text_codec.h"

namespace kivet {

// One pass over the waiting datagrams; 1 when at least one record was stored, -1 otherwise.
// Called from the main window's timer and from the sending thread while it waits for receipts:
// they take turns on the receipt table.
int PollGroup(MailslotReader& reader, MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context,
              MessageStore& store, ReceiptTable& receipts);

} // namespace kivet
