#include "messenger/store/record_builder.h"

#include "common/fixed_text.h"

namespace kivet {
namespace {

// A value ends at its first NUL, so nothing of it lands behind the field's terminator.
template <std::size_t N> void CopyValue(char (&field)[N], std::string_view value)
{
    CopyCut(field, value.substr(0, value.find('\0')));
}

} // namespace

MessageRecord BuildRecord(const RecordFields& fields)
{
    MessageRecord record{};
    record.unread = 1;
    record.secure = fields.secure ? 1 : 0;
    CopyValue(record.receivedAt, fields.receivedAt);
    CopyValue(record.sender, fields.sender);
    CopyValue(record.recipient, fields.recipient);
    CopyValue(record.text, fields.text);
    CopyValue(record.originName, fields.originName);
    return record;
}

MessageRecord BoundedCopy(const MessageRecord& record)
{
    RecordFields fields;
    fields.receivedAt = FieldText(record.receivedAt);
    fields.sender = FieldText(record.sender);
    fields.recipient = FieldText(record.recipient);
    fields.text = FieldText(record.text);
    fields.originName = FieldText(record.originName);
    fields.secure = record.secure != 0;
    MessageRecord copy = BuildRecord(fields);
    copy.unread = record.unread != 0 ? 1 : 0;
    return copy;
}

} // namespace kivet
