#include "messenger/send/recipient_box.h"

namespace kivet {

bool StartsWithNoCase(const TextCodec& codec, std::string_view text, std::string_view prefix)
{
    if (prefix.size() > text.size()) return false;
    return codec.Upper(text.substr(0, prefix.size())) == codec.Upper(prefix);
}

namespace {

bool AnyEntryBeginsWith(const std::vector<std::string>& entries, std::string_view name, const TextCodec& codec)
{
    for (const std::string& entry : entries)
        if (StartsWithNoCase(codec, entry, name)) return true;
    return false;
}

} // namespace

std::vector<std::string> RecipientBoxEntries(const std::vector<std::string>& quickList, const TextCodec& codec)
{
    std::vector<std::string> entries;
    for (const std::string& name : quickList) {
        if (name.empty() || AnyEntryBeginsWith(entries, name, codec)) continue;
        entries.insert(entries.begin(), name.substr(0, kRecipientBoxChars));
    }
    return entries;
}

std::size_t PlaceHandOverRecipient(std::vector<std::string>& entries, std::string_view recipient,
                                   const TextCodec& codec)
{
    const std::string upper = codec.Upper(recipient);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (codec.Upper(entries[i]) == upper) return i;
    entries.insert(entries.begin(), std::string(recipient.substr(0, kRecipientBoxChars)));
    return 0;
}

std::optional<Completion> CompleteRecipient(const std::vector<std::string>& entries, std::string_view before,
                                            std::string_view typed, const TextCodec& codec)
{
    if (typed.empty() || typed.size() <= before.size()) return std::nullopt;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (StartsWithNoCase(codec, entries[i], typed)) return Completion{i, entries[i], typed.size()};
    return std::nullopt;
}

std::string SendDialogCaption(std::string_view base, std::string_view recipient)
{
    std::string caption(base);
    if (!recipient.empty()) caption.append(" - ").append(recipient);
    return caption;
}

} // namespace kivet
