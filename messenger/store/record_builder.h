// Filling a MessageRecord from the values a receiver has at hand. Every receiver builds its
// records here, so each text field is cut to its width and zero-filled behind its terminator.
#pragma once

#include <string_view>

#include "messenger/store/message_record.h"

namespace kivet {

// The values of one received message. Longer values are cut: receivedAt to 49 characters,
// sender to 31, recipient to 15, text to 4999, originName to 16; a value also ends at its first NUL.
struct RecordFields {
    std::string_view receivedAt;
    std::string_view sender;
    std::string_view recipient;
    std::string_view text;
    std::string_view originName;
    bool secure = false;
};

// A zeroed record holding the fields, marked unread.
MessageRecord BuildRecord(const RecordFields& fields);

// A copy of the record whose text fields end inside their widths, with every byte behind a
// terminator zero; a field that fills its width without a terminator loses its last character.
// The flags are copied as 0/1.
MessageRecord BoundedCopy(const MessageRecord& record);

} // namespace kivet
