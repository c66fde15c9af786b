#include "messenger/lists/auto_reply_mode.h"

#include "messenger/runtime/registry_settings.h"

namespace kivet {

std::array<char, 16> AutoReplyNetBiosName()
{
    static const char kName[] = "AUTOANSWERMODE";
    std::array<char, 16> name;
    name.fill(' ');
    for (std::size_t i = 0; i + 1 < sizeof kName; ++i)
        name[i] = kName[i];
    name[15] = '\x11';
    return name;
}

AutoReplyMode::AutoReplyMode(RegistryStore& registry, NetBiosNames& names) : registry_(registry), names_(names) {}

void AutoReplyMode::LoadText()
{
    text_ = ReadCurrentAutoAnswer(registry_);
}

void AutoReplyMode::EnterAutoReplyMode(std::string_view text)
{
    text_ = std::string(text.substr(0, kAutoReplyTextChars));
    on_ = true;
    names_.AddName(AutoReplyNetBiosName());
    WriteCurrentAutoAnswer(registry_, text_);
}

void AutoReplyMode::LeaveAutoReplyMode()
{
    on_ = false;
    names_.DeleteName(AutoReplyNetBiosName());
}

} // namespace kivet
