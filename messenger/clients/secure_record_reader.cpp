#include "messenger/clients/secure_record_reader.h"

#include <string_view>

namespace kivet {
namespace {

// A name field holds at most 19 characters: a sender that fills all 20 bytes loses the last one,
// as the terminator would have stood there.
std::string NameField(const char (&field)[kSecureNameSize])
{
    std::size_t length = 0;
    while (length < kSecureNameSize - 1 && field[length] != '\0')
        ++length;
    return std::string(field, length);
}

} // namespace

SecureRecordFields ReadSecureRecord(const SecureRecord& record)
{
    SecureRecordFields fields;
    fields.type = record.type;
    fields.senderName = NameField(record.senderName);
    fields.senderComputer = NameField(record.senderComputer);
    fields.textLength = record.textLength > kSecureMaxTextLength ? kSecureMaxTextLength : record.textLength;
    return fields;
}

} // namespace kivet
