// Records and question answerers for the message store tests.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/fixed_text.h"
#include "messenger/store/message_store.h"
#include "messenger/store/record_builder.h"

namespace kivet {

inline MessageRecord TestRecord(std::string_view text, std::string_view sender = "Jsmith",
                                std::string_view recipient = "Pc-07",
                                std::string_view receivedAt = "01 May 2004 10:00:00")
{
    RecordFields fields;
    fields.receivedAt = receivedAt;
    fields.sender = sender;
    fields.recipient = recipient;
    fields.text = text;
    fields.originName = "PC-01";
    return BuildRecord(fields);
}

inline std::string CurrentText(const MessageStore& store)
{
    const auto record = store.CurrentRecord();
    return record ? std::string(FieldText(record->text)) : std::string("<none>");
}

// A store holding records "1" .. "count", all unread, the first current.
inline void Fill(MessageStore& store, int count)
{
    for (int i = 1; i <= count; ++i)
        store.Append(TestRecord(std::to_string(i)));
}

// Questions that run a step of their own while they are open.
class QuestionsWithSideEffect : public DeleteAllQuestions {
public:
    std::function<void()> whileAskingAll = [] {};
    std::function<void()> whileAskingUnread = [] {};

    bool ConfirmDeleteAll() override
    {
        whileAskingAll();
        return true;
    }
    bool ConfirmDeleteUnread() override
    {
        whileAskingUnread();
        return true;
    }
};

} // namespace kivet
