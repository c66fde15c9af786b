#include "messenger/options/control_texts.h"

#include "messenger/resources/resource.h"

namespace kivet {
namespace {

const std::vector<ControlText> kSettingsTexts = {
    {IDC_OPT_GENERAL_GROUP, IDS_GROUP_GENERAL},   {IDC_OPT_ALWAYS_ON_TOP, IDS_OPT_ALWAYS_ON_TOP},
    {IDC_OPT_TRAY_AT_STARTUP, IDS_OPT_TRAY_AT_STARTUP}, {IDC_OPT_RUN_AT_STARTUP, IDS_OPT_RUN_AT_STARTUP},
    {IDC_OPT_AUTO_SCAN, IDS_OPT_AUTO_SCAN},           {IDC_OPT_USE_SERVER, IDS_OPT_USE_SERVER},
    {IDC_OPT_SERVER_LABEL, IDS_SERVER_NAME_LABEL},     {IDC_OPT_USE_HOTKEY, IDS_OPT_USE_HOTKEY},
    {IDC_OPT_HOTKEY_LABEL, IDS_OPT_HOTKEY_PREFIX},    {IDC_OPT_LANGUAGE_GROUP, IDS_GROUP_LANGUAGE},
};

const std::vector<ControlText> kMessagingTexts = {
    {IDC_OPT_RECEIVING_GROUP, IDS_GROUP_RECEIVING},
    {IDC_OPT_POPUP, IDS_OPT_POPUP},
    {IDC_OPT_SHOW_INACTIVE, IDS_OPT_SHOW_INACTIVE},
    {IDC_OPT_JUMP_TO_LAST, IDS_OPT_JUMP_TO_LAST},
    {IDC_OPT_HIDE_IF_DELETED, IDS_OPT_HIDE_IF_DELETED},
    {IDC_OPT_PLAY_SOUND, IDS_OPT_PLAY_SOUND},
    {IDC_OPT_SOUNDS, IDS_BROWSE_BUTTON},
    {IDC_OPT_PC_SPEAKER, IDS_OPT_SPEAKER_BEEP},
    {IDC_OPT_SCROLL_LOCK, IDS_OPT_SCROLL_LOCK},
    {IDC_OPT_SENDING_GROUP, IDS_GROUP_SENDING},
    {IDC_OPT_CLOSE_AFTER_SENDING, IDS_OPT_CLOSE_AFTER_SENDING},
    {IDC_OPT_ADD_USER, IDS_OPT_ADD_USER},
    {IDC_OPT_CONTEXT_MENU, IDS_OPT_CONTEXT_MENU},
    {IDC_OPT_USE_COMPUTER_NAME, IDS_OPT_USE_COMPUTER_NAME},
    {IDC_OPT_NOTIFY_SENDING, IDS_OPT_NOTIFY_SENDING},
};

const std::vector<ControlText> kNetworkGroupsTexts = {
    {IDC_OPT_EXPLANATION, IDS_NETWORK_GROUPS_HELP},
    {IDC_OPT_LIST_ADD, IDS_ADD_NEW},
    {IDC_OPT_LIST_DELETE, IDS_DELETE_BUTTON},
    {IDC_OPT_USE_BROADCAST, IDS_OPT_USE_BROADCAST},
};

const std::vector<ControlText> kQuickListTexts = {
    {IDC_OPT_EXPLANATION, IDS_QUICK_LIST_HELP},
    {IDC_OPT_LIST_ADD, IDS_ADD_NEW},
    {IDC_OPT_LIST_DELETE, IDS_DELETE_BUTTON},
};

const std::vector<ControlText> kIgnoreListTexts = {
    {IDC_OPT_EXPLANATION, IDS_IGNORE_LIST_HELP}, {IDC_OPT_LIST_ADD, IDS_ADD_NEW},
    {IDC_OPT_LIST_DELETE, IDS_DELETE_BUTTON},           {IDC_OPT_ENABLE_IGNORE, IDS_OPT_ENABLE_IGNORE_LIST},
    {IDC_OPT_IGNORE_WORKGROUP, IDS_OPT_IGNORE_WORKGROUP},
};

const std::vector<ControlText> kQuickAnswersTexts = {
    {IDC_OPT_EXPLANATION, IDS_QUICK_ANSWERS_HELP},
    {IDC_OPT_LIST_ADD, IDS_ADD_NEW},
    {IDC_OPT_LIST_DELETE, IDS_DELETE_BUTTON},
    {IDC_OPT_SILENT_ANSWERS, IDS_OPT_SILENT_ANSWERS},
};

const std::vector<ControlText> kMyGroupsTexts = {
    {IDC_OPT_EXPLANATION, IDS_MY_GROUPS_HELP}, {IDC_OPT_GROUPS_LABEL, IDS_MY_GROUPS_LABEL},
    {IDC_OPT_GROUP_CREATE, IDS_CREATE_BUTTON},        {IDC_OPT_GROUP_DELETE, IDS_DELETE_BUTTON},
    {IDC_OPT_MEMBERS_LABEL, IDS_RECIPIENTS_LABEL}, {IDC_OPT_MEMBER_ADD, IDS_ADD_BUTTON},
    {IDC_OPT_MEMBER_DELETE, IDS_DELETE_MEMBER_BUTTON},
};

const std::vector<ControlText> kAutoRepliesTexts = {
    {IDC_OPT_EXPLANATION, IDS_AUTO_REPLIES_HELP},
    {IDC_OPT_REPLY_DESCRIPTION_LABEL, IDS_AUTO_REPLY_DESCRIPTION_LABEL},
    {IDC_OPT_REPLY_MESSAGE_LABEL, IDS_AUTO_REPLY_MESSAGE_LABEL},
    {IDC_OPT_REPLY_ADD, IDS_ADD_NEW},
    {IDC_OPT_REPLY_EDIT, IDS_EDIT_BUTTON},
    {IDC_OPT_REPLY_DELETE, IDS_DELETE_BUTTON},
};

const std::vector<ControlText> kHistoryTexts = {
    {IDC_OPT_EXPLANATION, IDS_HISTORY_HELP}, {IDC_OPT_LOG_HISTORY, IDS_OPT_LOG_HISTORY},
    {IDC_OPT_SAVING_GROUP, IDS_GROUP_SAVING_MODE}, {IDC_OPT_OVERWRITE, IDS_OPT_OVERWRITE_AT_STARTUP},
    {IDC_OPT_APPEND, IDS_OPT_APPEND_HISTORY},            {IDC_OPT_CLEAR_HISTORY, IDS_CLEAR_HISTORY_BUTTON},
};

const std::vector<ControlText> kTransferTexts = {
    {IDC_OPT_FILES_GROUP, IDS_GROUP_RECEIVING_FILES},
    {IDC_OPT_ACCEPT_FILES, IDS_OPT_ACCEPT_FILES},
    {IDC_OPT_FOLDER_LABEL, IDS_SAVE_FOLDER_LABEL},
    {IDC_OPT_BROWSE_FOLDER, IDS_BROWSE_BUTTON},
};

const std::vector<ControlText> kAddToListTexts = {
    {kCaptionControl, IDS_ADD_TO_LIST},
    {IDC_ADD_NAME_LABEL, IDS_NAME_LABEL},
    {kCancelButton, IDS_CANCEL_BUTTON},
};

const std::vector<ControlText> kEditAutoReplyTexts = {
    {kCaptionControl, IDS_EDIT_AUTO_REPLY_CAPTION},
    {IDC_EDIT_REPLY_DESCRIPTION_LABEL, IDS_AUTO_REPLY_SHORT_DESCRIPTION},
    {IDC_EDIT_REPLY_MESSAGE_LABEL, IDS_AUTO_REPLY_TYPE_HERE},
    {kCancelButton, IDS_CANCEL_BUTTON},
};

} // namespace

const std::vector<ControlText>& PageTexts(OptionsPage page)
{
    switch (page) {
    case OptionsPage::Settings: return kSettingsTexts;
    case OptionsPage::Messaging: return kMessagingTexts;
    case OptionsPage::NetworkGroups: return kNetworkGroupsTexts;
    case OptionsPage::QuickList: return kQuickListTexts;
    case OptionsPage::IgnoreList: return kIgnoreListTexts;
    case OptionsPage::QuickAnswers: return kQuickAnswersTexts;
    case OptionsPage::MyGroups: return kMyGroupsTexts;
    case OptionsPage::AutoReplies: return kAutoRepliesTexts;
    case OptionsPage::History: return kHistoryTexts;
    case OptionsPage::Transfer: return kTransferTexts;
    }
    return kSettingsTexts;
}

const std::vector<ControlText>& AddToListTexts()
{
    return kAddToListTexts;
}

const std::vector<ControlText>& EditAutoReplyTexts()
{
    return kEditAutoReplyTexts;
}

} // namespace kivet
