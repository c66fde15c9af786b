// The receipt table: who received a group message (filled by the group poll from receipts) and,
// during a multi-recipient send, the outcome for each recipient. At most 10000 distinct pairs of
// 16-byte names; the group poll adds to it while the sending thread reads and clears it.
#pragma once

#include <cstddef>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kivet {

struct ReceiptEntry {
    char senderName[16];     // a user or recipient name
    char senderComputer[16]; // a computer name, or a status word of the sending thread
};

class ReceiptTable {
public:
    static constexpr std::size_t kCapacity = 10000;

    // Adds the pair, each name cut to 15 characters, unless it is already there or the table is
    // full; returns whether it was added.
    bool Add(std::string_view senderName, std::string_view senderComputer);
    void Clear();
    std::vector<ReceiptEntry> Entries() const;
    std::size_t Count() const;

    // The group polls that fill this table (the main window's timer and a sending thread waiting
    // for receipts) take turns on it.
    std::mutex& GroupPollTurn() { return pollTurn_; }

private:
    std::mutex pollTurn_;
    mutable std::mutex lock_;
    std::vector<ReceiptEntry> entries_;                     // in arrival order
    std::set<std::pair<std::string, std::string>> present_; // the same pairs, for the duplicate test
};

} // namespace kivet
