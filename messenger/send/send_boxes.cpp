#include "messenger/send/send_boxes.h"

#include <string>

#include "messenger/resources/resource.h"
#include "messenger/send/format_text.h"

namespace kivet {
namespace {

PromptBox Box(const TextTable& texts, std::string text, BoxButtons buttons, BoxIcon icon, bool help = false)
{
    PromptBox box;
    box.box = BoxSpec{std::move(text), texts.Text(IDS_SENDING_CAPTION), buttons, icon};
    box.helpButton = help;
    return box;
}

PromptBox Information(const TextTable& texts, std::string text)
{
    return Box(texts, std::move(text), BoxButtons::Ok, BoxIcon::Information);
}

} // namespace

PromptBox DomainSentBox(const TextTable& texts, std::string_view domain)
{
    return Information(texts, FormatText(texts.Text(IDS_SENT_TO_DOMAIN), {domain}));
}

PromptBox UserSentBox(const TextTable& texts, std::string_view user, std::string_view computer)
{
    return Information(texts, FormatText(texts.Text(IDS_SENT_TO_USER), {user, computer}));
}

PromptBox ComputerSentBox(const TextTable& texts, std::string_view computer)
{
    return Information(texts, FormatText(texts.Text(IDS_SENT_TO_COMPUTER), {computer}));
}

PromptBox ComputerUserSentBox(const TextTable& texts, std::string_view computer, std::string_view user)
{
    return Information(texts, FormatText(texts.Text(IDS_SENT_TO_COMPUTER_AND_USER), {computer, user}));
}

PromptBox NameNotFoundBox(const TextTable& texts, std::string_view name)
{
    return Box(texts, FormatText(texts.Text(IDS_NAME_NOT_FOUND), {name}), BoxButtons::Ok, BoxIcon::Stop);
}

PromptBox OfferRelayStoreBox(const TextTable& texts, std::string_view name)
{
    return Box(texts, FormatText(texts.Text(IDS_STORE_ON_RELAY_QUESTION), {name}), BoxButtons::YesNo, BoxIcon::Question);
}

PromptBox NoGroupPermissionBox(const TextTable& texts, std::string_view group)
{
    return Box(texts, FormatText(texts.Text(IDS_NO_GROUP_PERMISSION), {group}), BoxButtons::Ok, BoxIcon::Stop, true);
}

PromptBox GroupTextTooLongBox(const TextTable& texts)
{
    return Box(texts, texts.Text(IDS_GROUP_TEXT_TOO_LONG), BoxButtons::Ok, BoxIcon::Stop);
}

PromptBox NoSuchMyGroupBox(const TextTable& texts, std::string_view group)
{
    return Box(texts, FormatText(texts.Text(IDS_NO_SUCH_MY_GROUP), {group}), BoxButtons::Ok, BoxIcon::Stop, true);
}

PromptBox SecureSendFailedBox(const TextTable& texts)
{
    return Box(texts, texts.Text(IDS_SECURE_SEND_QUESTION), BoxButtons::YesNo, BoxIcon::Exclamation);
}

} // namespace kivet
