// Auto-Replies: stored texts for Auto-Reply mode. The registry holds one value of the
// "AutoReplies" subkey per record: value name = description, data = message.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "messenger/runtime/settings_store.h"
#include "common/text_codec.h"

namespace kivet {

constexpr std::size_t kAutoReplyCapacity = 50; // records kept in memory

struct AutoReply {
    char description[20]; // shown in menus, at most 19 characters
    char message[255];    // the reply text, at most 254 characters
};
static_assert(sizeof(AutoReply) == 275, "AutoReply is a fixed record of 20 + 255 characters");
static_assert(offsetof(AutoReply, description) == 0, "AutoReply layout");
static_assert(offsetof(AutoReply, message) == 20, "AutoReply layout");

// A zero-filled record with both texts cut to their fields (19 and 254 characters) and terminated.
AutoReply MakeAutoReply(std::string_view description, std::string_view message);

class AutoReplies {
public:
    // Descriptions compare without regard to case through the codec, as registry names do; the
    // first form compares ASCII letters only.
    explicit AutoReplies(RegistryStore& registry);
    AutoReplies(RegistryStore& registry, const TextCodec& codec);

    // Re-reads the records in the registry's enumeration order, at most kAutoReplyCapacity of
    // them. Values whose name is not a description of 1 to 19 characters, or whose data is not
    // text, are passed over; messages are read with a 255-byte buffer. The registry is not changed.
    void Load();
    // Each of these writes the registry and reads the records again; true when the change is
    // there afterwards. A description that another record already has is refused, so that no
    // record is overwritten.
    bool AddAutoReply(const AutoReply& record);
    bool ReplaceAutoReply(std::string_view oldDescription, const AutoReply& record);
    bool DeleteAutoReply(std::string_view description);

    const AutoReply* Find(std::string_view description) const;
    const std::vector<AutoReply>& Records() const { return records_; }

private:
    RegistryStore& registry_;
    const TextCodec& codec_;
    std::vector<AutoReply> records_;
};

} // namespace kivet
