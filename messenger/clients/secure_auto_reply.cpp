#include "messenger/clients/secure_auto_reply.h"

#include "messenger/transport/plain_datagram.h"
#include "messenger/transport/writers.h"

namespace kivet {

bool SendSecureAutoReply(MailslotWriter& writer, const TextCodec& codec, ReceiveContext& context,
                         std::string_view senderComputer)
{
    return SendPlain(writer, codec, context, LocalSenderIdentity(context), senderComputer, senderComputer,
                     context.AutoReplyMessage(), kPlainFlagAutoReply);
}

} // namespace kivet
