#include "messenger/lists/auto_replies.h"

#include <cstring>
#include <string>

#include "common/fixed_text.h"
#include "messenger/lists/list_names.h"

namespace kivet {
namespace {

const RegRoot kUser = RegRoot::CurrentUser;
constexpr std::size_t kDescriptionChars = sizeof(AutoReply::description) - 1;
constexpr std::size_t kMessageBytes = sizeof(AutoReply::message);

std::string AutoRepliesKey()
{
    return ProgramSubkey("AutoReplies");
}

std::string MessageOf(const AutoReply& record)
{
    return std::string(FieldText(record.message).substr(0, kMessageBytes - 1));
}

} // namespace

AutoReply MakeAutoReply(std::string_view description, std::string_view message)
{
    AutoReply record;
    std::memset(&record, 0, sizeof record);
    CopyCut(record.description, description);
    CopyCut(record.message, message);
    return record;
}

AutoReplies::AutoReplies(RegistryStore& registry) : AutoReplies(registry, AsciiCodec()) {}

AutoReplies::AutoReplies(RegistryStore& registry, const TextCodec& codec) : registry_(registry), codec_(codec) {}

void AutoReplies::Load()
{
    records_.clear();
    const std::string key = AutoRepliesKey();
    for (const std::string& description : registry_.ValueNames(kUser, key)) {
        if (records_.size() == kAutoReplyCapacity) break;
        std::string message;
        if (!FitsName(description, kDescriptionChars) ||
            !registry_.GetString(kUser, key, description, kMessageBytes, message))
            continue;
        records_.push_back(MakeAutoReply(description, message));
    }
}

const AutoReply* AutoReplies::Find(std::string_view description) const
{
    for (const AutoReply& r : records_)
        if (SameName(codec_, FieldText(r.description), description)) return &r;
    return nullptr;
}

bool AutoReplies::AddAutoReply(const AutoReply& record)
{
    std::string description(FieldText(record.description));
    if (!FitsName(description, kDescriptionChars) || records_.size() >= kAutoReplyCapacity || Find(description))
        return false;
    if (!registry_.SetString(kUser, AutoRepliesKey(), description, MessageOf(record))) return false;
    Load();
    return Find(description) != nullptr;
}

bool AutoReplies::ReplaceAutoReply(std::string_view oldDescription, const AutoReply& record)
{
    const AutoReply* old = Find(oldDescription);
    std::string description(FieldText(record.description));
    if (!old || !FitsName(description, kDescriptionChars)) return false;
    const AutoReply* holder = Find(description);
    if (holder && holder != old) return false; // would overwrite another record

    const std::string key = AutoRepliesKey();
    const std::string oldName(FieldText(old->description));
    const std::string message = MessageOf(record);
    bool written;
    if (holder == old && oldName != description) {
        // Only the case of the description changes. Writing would keep the stored spelling, so
        // the value is deleted first and put back as it was if the new one is not taken.
        const std::string oldMessage = MessageOf(*old);
        registry_.DeleteValue(kUser, key, oldName);
        written = registry_.SetString(kUser, key, description, message);
        if (!written) registry_.SetString(kUser, key, oldName, oldMessage);
    } else {
        // The new record is written before the old one goes, so a refused write loses nothing.
        written = registry_.SetString(kUser, key, description, message);
        if (written && holder != old) registry_.DeleteValue(kUser, key, oldName);
    }
    Load();
    return written && Find(description) != nullptr;
}

bool AutoReplies::DeleteAutoReply(std::string_view description)
{
    const AutoReply* record = Find(description);
    if (!record) return false;
    registry_.DeleteValue(kUser, AutoRepliesKey(), std::string(FieldText(record->description)));
    Load();
    return Find(description) == nullptr;
}

} // namespace kivet
