#include "messenger/store/message_store.h"

#include <string_view>

#include "common/fixed_text.h"
#include "messenger/store/record_builder.h"

namespace kivet {
namespace {

// The plain-datagram duplicate: same text, sender and recipient, compared exactly.
bool SamePlainMessage(const MessageRecord& a, const MessageRecord& b)
{
    return FieldText(a.text) == FieldText(b.text) && FieldText(a.sender) == FieldText(b.sender) &&
           FieldText(a.recipient) == FieldText(b.recipient);
}

// The group-message duplicate: same second of arrival, same text and sender.
bool SameGroupMessage(const MessageRecord& a, const MessageRecord& b)
{
    return FieldText(a.receivedAt) == FieldText(b.receivedAt) && FieldText(a.text) == FieldText(b.text) &&
           FieldText(a.sender) == FieldText(b.sender);
}

// The record as the store keeps it: fields bounded, unread set.
MessageRecord StoredForm(const MessageRecord& record)
{
    MessageRecord stored = BoundedCopy(record);
    stored.unread = 1;
    return stored;
}

int32_t CountUnread(const std::vector<MessageRecord>& records, std::size_t count)
{
    int32_t unread = 0;
    for (std::size_t i = 0; i < count && i < records.size(); ++i)
        if (records[i].unread != 0) ++unread;
    return unread;
}

// Adds an already bounded record; the caller holds the lock.
void AppendLocked(std::vector<MessageRecord>& records, int32_t& unread, int32_t& current, const MessageRecord& stored)
{
    records.push_back(stored);
    ++unread;
    if (records.size() == 1) current = 1;
}

} // namespace

void MessageStore::Append(const MessageRecord& record)
{
    const MessageRecord stored = StoredForm(record);
    std::lock_guard<std::mutex> guard(lock_);
    AppendLocked(records_, unread_, current_, stored);
}

bool MessageStore::AppendPlain(const MessageRecord& record)
{
    const MessageRecord stored = StoredForm(record);
    std::lock_guard<std::mutex> guard(lock_);
    if (!records_.empty() && SamePlainMessage(records_.back(), stored)) return false;
    AppendLocked(records_, unread_, current_, stored);
    return true;
}

bool MessageStore::AppendGroup(const MessageRecord& record)
{
    const MessageRecord stored = StoredForm(record);
    std::lock_guard<std::mutex> guard(lock_);
    if (!records_.empty() && SameGroupMessage(records_.back(), stored)) return false;
    AppendLocked(records_, unread_, current_, stored);
    return true;
}

void MessageStore::Move(Direction direction)
{
    std::lock_guard<std::mutex> guard(lock_);
    const int32_t total = static_cast<int32_t>(records_.size());
    if (direction == Direction::Previous && current_ != 1 && total != 0) --current_;
    if (direction == Direction::Next && current_ != total) ++current_;
}

bool MessageStore::MarkCurrentRead()
{
    std::lock_guard<std::mutex> guard(lock_);
    if (current_ == 0) return false;
    MessageRecord& record = records_[static_cast<std::size_t>(current_ - 1)];
    if (record.unread == 0) return false;
    record.unread = 0;
    --unread_;
    return true;
}

void MessageStore::MakeNewestCurrent()
{
    std::lock_guard<std::mutex> guard(lock_);
    current_ = static_cast<int32_t>(records_.size());
}

std::optional<MessageRecord> MessageStore::CurrentRecord() const
{
    std::lock_guard<std::mutex> guard(lock_);
    if (current_ == 0) return std::nullopt;
    return records_[static_cast<std::size_t>(current_ - 1)];
}

StoreCounts MessageStore::Counts() const
{
    std::lock_guard<std::mutex> guard(lock_);
    StoreCounts counts;
    counts.total = static_cast<int32_t>(records_.size());
    counts.unread = unread_;
    counts.current = current_;
    return counts;
}

// The usual case removes a displayed, hence read, record. A record can also be removed before it
// was ever displayed (the window was minimised when it arrived); the unread count then drops with
// it, so that the count always equals the number of unread records.
void MessageStore::DeleteCurrent()
{
    std::lock_guard<std::mutex> guard(lock_);
    const int32_t total = static_cast<int32_t>(records_.size());
    if (total == 0) return;
    const auto position = records_.begin() + (current_ - 1);
    if (position->unread != 0) --unread_;
    records_.erase(position);
    if (current_ == total || total == 1) --current_;
}

// The questions are asked without the lock, since other threads append meanwhile. Only the
// records that existed when the user was asked are removed: a message arriving while a question
// is open stays, unread, and becomes current.
DeleteAllResult MessageStore::DeleteAll(DeleteAllQuestions& questions)
{
    std::size_t asked = 0;
    {
        std::lock_guard<std::mutex> guard(lock_);
        asked = records_.size();
    }
    if (asked == 0) return DeleteAllResult::NothingToDelete;
    if (!questions.ConfirmDeleteAll()) return DeleteAllResult::Cancelled;

    int32_t unreadAmongAsked = 0;
    {
        std::lock_guard<std::mutex> guard(lock_);
        unreadAmongAsked = CountUnread(records_, asked);
    }
    if (unreadAmongAsked != 0 && !questions.ConfirmDeleteUnread()) return DeleteAllResult::Cancelled;

    std::lock_guard<std::mutex> guard(lock_);
    const std::size_t removed = asked < records_.size() ? asked : records_.size();
    unread_ -= CountUnread(records_, removed);
    records_.erase(records_.begin(), records_.begin() + static_cast<std::ptrdiff_t>(removed));
    current_ = records_.empty() ? 0 : 1;
    return DeleteAllResult::Deleted;
}

void MessageStore::Clear()
{
    std::lock_guard<std::mutex> guard(lock_);
    records_.clear();
    unread_ = 0;
    current_ = 0;
}

} // namespace kivet
