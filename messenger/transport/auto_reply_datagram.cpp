#include "messenger/transport/auto_reply_datagram.h"

#include "messenger/transport/wire_fields.h"

namespace kivet {
AutoReplyDatagramBytes BuildAutoReplyDatagram(const TextCodec& codec, const AutoReplyFields& fields)
{
    AutoReplyDatagram record{};
    PutWireField(record.computerName, codec.AnsiToOem(fields.computerName));
    PutWireField(record.addressedTo, codec.AnsiToOem(fields.addressedTo));
    PutWireField(record.message, codec.AnsiToOem(fields.message));
    return WireBytes(record, fields.kind);
}

AutoReplyFields ReadAutoReplyDatagram(const TextCodec& codec, const uint8_t* data, std::size_t size)
{
    AutoReplyFields fields;
    AutoReplyDatagram record = ReceivedRecord<AutoReplyDatagram>(data, size, fields.kind);
    fields.computerName = ReceivedName(codec, record.computerName);
    fields.addressedTo = ReceivedName(codec, record.addressedTo);
    fields.message = ReceivedName(codec, record.message);
    return fields;
}

} // namespace kivet
