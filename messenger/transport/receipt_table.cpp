#include "messenger/transport/receipt_table.h"

#include <utility>

#include "common/fixed_text.h"

namespace kivet {

bool ReceiptTable::Add(std::string_view senderName, std::string_view senderComputer)
{
    ReceiptEntry entry{};
    CopyCut(entry.senderName, senderName);
    CopyCut(entry.senderComputer, senderComputer);

    std::pair<std::string, std::string> pair(FieldText(entry.senderName), FieldText(entry.senderComputer));

    std::lock_guard<std::mutex> guard(lock_);
    if (entries_.size() >= kCapacity) return false;
    if (!present_.insert(std::move(pair)).second) return false;
    entries_.push_back(entry);
    return true;
}

void ReceiptTable::Clear()
{
    std::lock_guard<std::mutex> guard(lock_);
    entries_.clear();
    present_.clear();
}

std::vector<ReceiptEntry> ReceiptTable::Entries() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return entries_;
}

std::size_t ReceiptTable::Count() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return entries_.size();
}

} // namespace kivet
