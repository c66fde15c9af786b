// The ten pages of the Options sheet, what opens the sheet at which page, and whether the main
// window re-applies the settings afterwards.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace kivet {

enum class OptionsPage {
    Settings,
    Messaging,
    NetworkGroups,
    QuickList,
    IgnoreList,
    QuickAnswers,
    MyGroups,
    AutoReplies,
    History,
    Transfer,
};
constexpr std::size_t kOptionsPageCount = 10;

struct OptionsPageInfo {
    OptionsPage page;
    uint32_t titleId;    // string id of the tab title
    uint32_t templateId; // dialog template
    int helpTopic;       // help topic of the Help button and F1
};

// The pages in tab order; a page's position is its start-page index.
const OptionsPageInfo& PageInfo(OptionsPage page);
const OptionsPageInfo& PageInfoAt(std::size_t index);
std::size_t PageIndex(OptionsPage page);

// What opened the sheet: the Options command, or "&Add new..." of the Reply (command 500) or the
// Auto-Reply (command 600) drop-down.
enum class OptionsEntry { OptionsCommand, AddQuickAnswer, AddAutoReply };

// The entry of a main-window or tray command; nothing for other commands.
std::optional<OptionsEntry> OptionsEntryOfCommand(uint32_t command);
OptionsPage FirstPageFor(OptionsEntry entry);

// How the sheet ended: whether it was confirmed with OK, and whether it changed anything that
// applying the settings brings into line (the settings record, the language, the hotkey letter,
// the scan interval, the relay server name or the transfer folder).
struct OptionsResult {
    bool confirmed = false;
    bool settingsChanged = false;
};

// The Options command always re-applies the settings; the drop-downs' "&Add new..." re-applies
// only when the sheet changed a setting, so that a window never keeps a state its settings no
// longer ask for (a hotkey switched off, a pack no longer chosen).
bool ReapplyAfterOptions(OptionsEntry entry, const OptionsResult& result);

} // namespace kivet
