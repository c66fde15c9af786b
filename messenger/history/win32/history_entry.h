// The one place every reader and writer records a message in the HTML history.
#pragma once

#include <string_view>

#include "messenger/store/message_record.h"

namespace kivet {

void RecordIncomingInHistory(const MessageRecord& record);
void RecordOutgoingInHistory(std::string_view recipient, std::string_view text);

} // namespace kivet
