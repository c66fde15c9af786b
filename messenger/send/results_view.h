// The per-recipient results as the results dialog shows them: who received the message (from
// group receipts and from the sends of a multi-recipient list) and, for the recipients that did
// not get it, why. Built from the receipt table, whose second field holds either a computer name
// or one of the status words below.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/text_codec.h"
#include "messenger/runtime/text_table.h"
#include "messenger/transport/receipt_table.h"

namespace kivet {

// Status words the sending code writes into the receipt table in place of a computer name.
constexpr std::string_view kStatusNotFound = "NOT FOUND";
constexpr std::string_view kStatusNoPermission = "NO PERMISSION";
constexpr std::string_view kStatusInvalidName = "INVALID NAME";

struct ResultRow {
    std::string user;
    std::string computer; // a computer name or the text of a status word
};

inline bool operator==(const ResultRow& a, const ResultRow& b)
{
    return a.user == b.user && a.computer == b.computer;
}

struct ResultsView {
    std::string caption;        // "Sending message"
    std::string headline;       // "The message has been received on %d computers:"
    std::string userColumn;     // "User"
    std::string computerColumn; // "Computer"
    std::vector<ResultRow> rows;
    std::string footer; // the group sent, or the multiple recipients sent
};

// Whom the results are about: one group (its name as the user gave it) or a multi-recipient list.
struct ResultsSubject {
    bool multipleRecipients = false;
    std::string groupName;
};

// Names are normalised and status words replaced by their texts; rows that are the same after
// that are shown once, in table order. The headline counts the rows shown.
ResultsView BuildResultsView(const std::vector<ReceiptEntry>& entries, const ResultsSubject& subject,
                             const TextTable& texts, const TextCodec& codec);

enum class ResultColumn { User = 0, Computer = 1 };

// Sorts by the column's text, ascending, comparing bytes as unsigned values (so case counts and
// upper-case letters come first); rows with equal text keep their order.
void SortResultRows(std::vector<ResultRow>& rows, ResultColumn column);

} // namespace kivet
