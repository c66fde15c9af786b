// The message boxes of a send, each with its text from the text table, the caption
// "Sending message" and its icon and buttons. Names are passed in the form to show.
#pragma once

#include <string_view>

#include "messenger/runtime/text_table.h"
#include "messenger/send/send_prompts.h"

namespace kivet {

PromptBox DomainSentBox(const TextTable& texts, std::string_view domain);
PromptBox UserSentBox(const TextTable& texts, std::string_view user, std::string_view computer);
PromptBox ComputerSentBox(const TextTable& texts, std::string_view computer);
// computer: a computer name or the address the user typed.
PromptBox ComputerUserSentBox(const TextTable& texts, std::string_view computer, std::string_view user);
PromptBox NameNotFoundBox(const TextTable& texts, std::string_view name);
// Yes/No: store the message on the relay server for the absent recipient.
PromptBox OfferRelayStoreBox(const TextTable& texts, std::string_view name);
PromptBox NoGroupPermissionBox(const TextTable& texts, std::string_view group);
PromptBox GroupTextTooLongBox(const TextTable& texts);
PromptBox NoSuchMyGroupBox(const TextTable& texts, std::string_view group);
// Yes/No: send without enciphering after the secure exchange failed.
PromptBox SecureSendFailedBox(const TextTable& texts);

} // namespace kivet
