#include "messenger/history/win32/history_entry.h"

namespace kivet {

// The HTML history file is written by the history log; until it exists, messages are kept only
// in the message store.
void RecordIncomingInHistory(const MessageRecord&) {}
void RecordOutgoingInHistory(std::string_view, std::string_view) {}

} // namespace kivet
