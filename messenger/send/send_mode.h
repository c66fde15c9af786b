// Send mode ("kivetsec /s NAME TEXT"): the text goes to every recipient of the comma-separated
// name without any window; what cannot be delivered is passed over silently.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/text_codec.h"
#include "messenger/browser/name_resolution.h"
#include "messenger/send/send_lists.h"
#include "messenger/transport/mailslot_port.h"
#include "messenger/transport/receive_context.h"

namespace kivet {

struct SendModeServices {
    NetworkDirectory& directory;
    MailslotWriter& writer;
    const TextCodec& codec;
    ReceiveContext& context; // local names, UseComputerName and the history of sent messages
    SendLists& lists;
};

// For each recipient in order (each upper-cased and held to 15 characters):
//   a known domain or the local workgroup: a plain datagram to the whole domain;
//   "@" and a group of the Network Groups list: one group datagram to the primary domain ("*");
//   "#" and a My Group: every member found on the network gets a plain datagram;
//   any other name found on the network gets a plain datagram.
void RunSendMode(const std::vector<std::string>& recipients, std::string_view text, SendModeServices& services);

} // namespace kivet
