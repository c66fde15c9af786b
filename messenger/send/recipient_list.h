// The recipient list as the user typed it: entries separated by "," (no other separator), each
// held in a 16-byte field. A list with a comma is a multi-recipient send, whose outcomes are
// collected and shown together at the end instead of one message box each.
#pragma once

#include "messenger/browser/name_checks.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kivet {

constexpr std::size_t kRecipientListChars = 259; // characters of the typed list that count
constexpr std::size_t kRecipientEntryChars = 15; // characters of one entry
constexpr std::size_t kSendTextChars = 4999;     // characters of a message text

struct RecipientList {
    bool multiRecipient = false;
    std::vector<std::string> entries; // in list order, none empty
};

// One entry: its first 15 characters, cut at a byte 3 and without trailing blanks.
std::string CutRecipientEntry(std::string_view raw);

// Splits the first 259 characters of the list at every ","; empty entries are left out.
RecipientList ParseRecipientList(std::string_view typed);


} // namespace kivet
