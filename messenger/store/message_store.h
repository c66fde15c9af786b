// The in-memory list of received messages with its three counters. Appends come from the main
// thread's timers, the sending thread and the secure-exchange thread; one lock guards the records
// and the counters together. Drawing the current record is the main window's job.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "messenger/store/message_record.h"

namespace kivet {

struct StoreCounts {
    int32_t total = 0;
    int32_t unread = 0;
    int32_t current = 0; // 1-based; 0 when the store is empty
};

// The two questions of Delete all, answered by the main window.
class DeleteAllQuestions {
public:
    virtual ~DeleteAllQuestions() = default;
    virtual bool ConfirmDeleteAll() = 0;    // "Are you sure that want to delete all messages?"
    virtual bool ConfirmDeleteUnread() = 0; // "There are unread messages among the removing messages..."
};

enum class Direction { Previous = 0, Stay = 1, Next = 2 };
enum class DeleteAllResult { NothingToDelete, Cancelled, Deleted };

class MessageStore {
public:
    // Adds the record at the end with unread set; the first record becomes current.
    void Append(const MessageRecord& record);
    // Appends unless the last record has the same text, sender and recipient (plain datagrams);
    // returns whether it was stored. The test and the append happen under one lock.
    bool AppendPlain(const MessageRecord& record);
    // Appends unless the last record has the same receivedAt, text and sender (group messages).
    bool AppendGroup(const MessageRecord& record);

    // The index move of a refresh: previous stops at the first record, next at the last.
    void Move(Direction direction);
    // Marks the current record read (once); returns whether it was unread.
    bool MarkCurrentRead();
    void MakeNewestCurrent();
    std::optional<MessageRecord> CurrentRecord() const;
    StoreCounts Counts() const;

    // Removes the current record: the next one becomes current, or the one before it when the
    // last was removed. The unread count drops only when the removed record had not been shown,
    // so it always equals the number of unread records.
    void DeleteCurrent();
    // Asks, then empties the store.
    DeleteAllResult DeleteAll(DeleteAllQuestions& questions);
    // Empties the store without asking (the Exit command's path).
    void Clear();

private:
    mutable std::mutex lock_;
    std::vector<MessageRecord> records_;
    int32_t unread_ = 0;
    int32_t current_ = 0;
};

} // namespace kivet
