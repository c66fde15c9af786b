// Everything the sending code works with, supplied by the program (and by doubles in tests).
#pragma once

#include <string>

#include "common/text_codec.h"
#include "messenger/browser/name_resolution.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/text_table.h"
#include "messenger/send/receipt_poll.h"
#include "messenger/send/secure_sender.h"
#include "messenger/send/send_dialog_link.h"
#include "messenger/send/send_lists.h"
#include "messenger/send/send_prompts.h"
#include "messenger/send/send_settings.h"
#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/receipt_table.h"
#include "messenger/transport/receive_context.h"

namespace kivet {

struct SendServices {
    NetworkDirectory& directory;
    MailslotWriter& writer;
    const TextCodec& codec;
    // The local names and settings of the datagram writers, the history of sent messages and
    // the pause between the pieces of a long message.
    ReceiveContext& context;
    SendLists& lists;
    SecureSender& secure;
    SendPrompts& prompts;
    GroupReceiptPoll& receiptPoll;
    // The receipt table the group poll fills; the send's results are collected in it as well.
    ReceiptTable& results;
    SendDialogLink& dialog;
    ActionWriter& log;
    const TextTable& texts;
    NonSecureConsent& consent;
};

// One press of Send.
struct SendRequest {
    std::string recipients; // as typed; the first 259 characters count
    std::string text;       // the first 4999 characters count
    SendSettings settings;
};

// Exit code of the sending thread after a send to a domain from a single-recipient list.
constexpr int kSendEndedAfterDomain = 1;

// The sending thread: sends the text to every entry of the list and reports the outcome. Returns
// kSendEndedAfterDomain when a single domain send ended the operation, otherwise 0.
int RunSendingThread(const SendRequest& request, SendServices& services);

} // namespace kivet
