// Auto-Reply mode: while it is on, incoming messages are answered with the current auto-reply
// text, and the NetBIOS name "AUTOANSWERMODE" with suffix byte 0x11 on the local adapters shows
// other messengers' scans that the user is away.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "messenger/browser/netbios_names.h"
#include "messenger/runtime/settings_store.h"

namespace kivet {

constexpr std::size_t kAutoReplyTextChars = 254; // the text is held in 255 bytes

// "AUTOANSWERMODE" padded with spaces to 15 characters, then the suffix byte 0x11.
std::array<char, 16> AutoReplyNetBiosName();

class AutoReplyMode {
public:
    AutoReplyMode(RegistryStore& registry, NetBiosNames& names);

    // Reads the text in force from `CurrentAutoAnswer`; the mode itself starts off.
    void LoadText();
    // Keeps at most 254 characters of text, turns the mode on, registers the name and stores the
    // text as `CurrentAutoAnswer`.
    void EnterAutoReplyMode(std::string_view text);
    // Turns the mode off and deletes the name, also when the mode was off.
    void LeaveAutoReplyMode();

    bool On() const { return on_; }
    const std::string& Text() const { return text_; }

private:
    RegistryStore& registry_;
    NetBiosNames& names_;
    bool on_ = false;
    std::string text_;
};

} // namespace kivet
