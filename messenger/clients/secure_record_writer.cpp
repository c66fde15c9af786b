#include "messenger/clients/secure_record_writer.h"

#include <cstring>

#include "common/fixed_text.h"

namespace kivet {
namespace {

SecureRecord Named(uint32_t type, std::string_view senderName, std::string_view senderComputer)
{
    SecureRecord record{};
    record.type = type;
    CopyCut(record.senderName, senderName.substr(0, senderName.find('\0')));
    CopyCut(record.senderComputer, senderComputer.substr(0, senderComputer.find('\0')));
    return record;
}

} // namespace

SecureRecord BuildKeyRecord(uint32_t type, std::string_view senderName, std::string_view senderComputer,
                            const SecurePrekey& prekey)
{
    SecureRecord record = Named(type, senderName, senderComputer);
    std::memcpy(record.prekey, prekey.data(), sizeof record.prekey);
    return record;
}

SecureRecord BuildMessageRecord(std::string_view senderName, std::string_view senderComputer)
{
    return Named(kSecureStatusMessage, senderName, senderComputer);
}

} // namespace kivet
