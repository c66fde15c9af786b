// A Quick Answer chosen in the main window (its Reply drop-down): opened in the send dialog, or
// sent at once to the current sender when SilentAnswers is on.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/text_codec.h"
#include "messenger/browser/name_resolution.h"
#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/receive_context.h"

namespace kivet {

enum class QuickAnswerRoute {
    OpenWithTextOnly,   // no message: the send dialog opens with the answer and no recipient
    OpenWithSender,     // the send dialog opens addressed to the current sender
    SendSilently,       // the answer goes to the current sender without a dialog
};

QuickAnswerRoute ChooseQuickAnswerRoute(bool storeEmpty, bool silentAnswers);

struct SilentAnswerServices {
    NetworkDirectory& directory;
    MailslotWriter& writer;
    const TextCodec& codec;
    ReceiveContext& context;
    // True when the name is a computer name the host look-up knows.
    std::function<bool(std::string_view computer)> hostKnown;
};

enum class SilentAnswerResult { Sent, NotFound };

// The sender's name (cut at the first blank, at most 16 characters) is looked up as a Messenger
// name; when nobody answers, as a computer name the host look-up knows. The answer then goes out
// as one plain message. NotFound (nothing sent, or the datagram not taken) for a name that is
// found neither way or could not stand in a mailslot path.
SilentAnswerResult SendQuickAnswerSilently(std::string_view sender, std::string_view answer,
                                           SilentAnswerServices& services);

} // namespace kivet
