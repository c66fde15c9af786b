// One received message, a fixed-size record copied by value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace kivet {

struct MessageRecord {
    int32_t unread;      // 1 until first shown in a non-minimised main window
    int32_t secure;      // 1 when it came through the secure exchange
    char receivedAt[50]; // local time, formatted with the "%d %B %Y %H:%M:%S" string
    char sender[32];     // normalised sender name
    char recipient[16];  // normalised recipient, or the group name of a group message
    char text[5000];     // at most 4999 characters, ANSI
    char originName[17]; // the sender's computer when the datagram names it
};

static_assert(offsetof(MessageRecord, receivedAt) == 8, "layout");
static_assert(offsetof(MessageRecord, sender) == 58, "layout");
static_assert(offsetof(MessageRecord, recipient) == 90, "layout");
static_assert(offsetof(MessageRecord, text) == 106, "layout");
static_assert(offsetof(MessageRecord, originName) == 5106, "layout");
static_assert(sizeof(MessageRecord) == 5124, "two 32-bit flags and five text fields");
static_assert(std::is_trivially_copyable_v<MessageRecord>, "copied by value");

} // namespace kivet
