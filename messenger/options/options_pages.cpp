#include "messenger/options/options_pages.h"

#include "messenger/resources/resource.h"

namespace kivet {
namespace {

const OptionsPageInfo kPages[kOptionsPageCount] = {
    {OptionsPage::Settings, IDS_PAGE_SETTINGS, IDD_OPTIONS_SETTINGS, 1},
    {OptionsPage::Messaging, IDS_PAGE_MESSAGING, IDD_OPTIONS_MESSAGING, 2},
    {OptionsPage::NetworkGroups, IDS_PAGE_NETWORK_GROUPS, IDD_OPTIONS_NETWORK_GROUPS, 3},
    {OptionsPage::QuickList, IDS_PAGE_QUICK_LIST, IDD_OPTIONS_QUICK_LIST, 4},
    {OptionsPage::IgnoreList, IDS_PAGE_IGNORE_LIST, IDD_OPTIONS_IGNORE_LIST, 5},
    {OptionsPage::QuickAnswers, IDS_PAGE_QUICK_ANSWERS, IDD_OPTIONS_QUICK_ANSWERS, 6},
    {OptionsPage::MyGroups, IDS_PAGE_MY_GROUPS, IDD_OPTIONS_MY_GROUPS, 7},
    {OptionsPage::AutoReplies, IDS_PAGE_AUTO_REPLIES, IDD_OPTIONS_AUTO_REPLIES, 8},
    {OptionsPage::History, IDS_PAGE_HISTORY, IDD_OPTIONS_HISTORY, 9},
    {OptionsPage::Transfer, IDS_PAGE_TRANSFER, IDD_OPTIONS_TRANSFER, 10},
};

} // namespace

const OptionsPageInfo& PageInfo(OptionsPage page)
{
    return kPages[PageIndex(page)];
}

const OptionsPageInfo& PageInfoAt(std::size_t index)
{
    return kPages[index < kOptionsPageCount ? index : 0];
}

std::size_t PageIndex(OptionsPage page)
{
    return static_cast<std::size_t>(page);
}

std::optional<OptionsEntry> OptionsEntryOfCommand(uint32_t command)
{
    switch (command) {
    case IDM_OPTIONS:
    case IDM_TRAY_OPTIONS: return OptionsEntry::OptionsCommand;
    case IDM_ADD_QUICK_ANSWER: return OptionsEntry::AddQuickAnswer;
    case IDM_ADD_AUTO_REPLY: return OptionsEntry::AddAutoReply;
    }
    return std::nullopt;
}

OptionsPage FirstPageFor(OptionsEntry entry)
{
    switch (entry) {
    case OptionsEntry::OptionsCommand: return OptionsPage::Settings;
    case OptionsEntry::AddQuickAnswer: return OptionsPage::QuickAnswers;
    case OptionsEntry::AddAutoReply: return OptionsPage::AutoReplies;
    }
    return OptionsPage::Settings;
}

bool ReapplyAfterOptions(OptionsEntry entry, const OptionsResult& result)
{
    return entry == OptionsEntry::OptionsCommand || result.settingsChanged;
}

} // namespace kivet
