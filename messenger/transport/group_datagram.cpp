#include "messenger/transport/group_datagram.h"

#include "messenger/transport/wire_fields.h"

namespace kivet {
GroupDatagramBytes BuildGroupDatagram(const TextCodec& codec, const GroupFields& fields)
{
    GroupDatagram record{};
    PutWireField(record.groupName, codec.AnsiToOem(fields.groupName));
    PutWireField(record.targetName, codec.AnsiToOem(fields.targetName));
    PutWireField(record.senderComputer, codec.AnsiToOem(fields.senderComputer));
    PutWireField(record.senderName, codec.AnsiToOem(NormaliseName(codec, fields.senderName)));
    PutWireField(record.text, codec.AnsiToOem(fields.text), sizeof record.text);
    return WireBytes(record, fields.kind);
}

GroupFields ReadGroupDatagram(const TextCodec& codec, const uint8_t* data, std::size_t size)
{
    GroupFields fields;
    GroupDatagram record = ReceivedRecord<GroupDatagram>(data, size, fields.kind);
    fields.groupName = ReceivedName(codec, record.groupName);
    fields.targetName = ReceivedName(codec, record.targetName);
    fields.senderComputer = ReceivedName(codec, record.senderComputer);
    fields.senderName = ReceivedName(codec, record.senderName);
    fields.text = codec.OemToAnsi(FieldText(record.text));
    return fields;
}

} // namespace kivet
