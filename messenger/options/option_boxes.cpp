#include "messenger/options/option_boxes.h"

#include "messenger/resources/resource.h"

namespace kivet {
namespace {

using P = OptionsPage;

const std::vector<OptionBox> kBoxes = {
    {P::Settings, IDC_OPT_ALWAYS_ON_TOP, &Settings::AlwaysOnTop, Takes::OnOk},
    {P::Settings, IDC_OPT_TRAY_AT_STARTUP, &Settings::MovetoTrayAtStartup, Takes::OnOk},
    {P::Settings, IDC_OPT_RUN_AT_STARTUP, &Settings::RunAtStartup, Takes::OnOk},
    {P::Settings, IDC_OPT_AUTO_SCAN, &Settings::AutoScan, Takes::AtOnce},
    {P::Settings, IDC_OPT_USE_SERVER, &Settings::UseServer, Takes::AtOnce},
    {P::Settings, IDC_OPT_USE_HOTKEY, &Settings::UseHotkey, Takes::AtOnce},
    {P::Messaging, IDC_OPT_POPUP, &Settings::PopupOnReceive, Takes::AtOnce},
    {P::Messaging, IDC_OPT_SHOW_INACTIVE, &Settings::ShowAsInactive, Takes::OnOk},
    {P::Messaging, IDC_OPT_JUMP_TO_LAST, &Settings::JumpToLastMsg, Takes::OnOk},
    {P::Messaging, IDC_OPT_HIDE_IF_DELETED, &Settings::HideIfLastMsgDeleted, Takes::OnOk},
    {P::Messaging, IDC_OPT_PLAY_SOUND, &Settings::PlaySoundOnReceive, Takes::AtOnce},
    {P::Messaging, IDC_OPT_PC_SPEAKER, &Settings::PCSpeakerBeep, Takes::OnOk},
    {P::Messaging, IDC_OPT_SCROLL_LOCK, &Settings::ScrollLock, Takes::OnOk},
    {P::Messaging, IDC_OPT_CLOSE_AFTER_SENDING, &Settings::CloseWindowAfterSending, Takes::OnOk},
    {P::Messaging, IDC_OPT_ADD_USER, &Settings::AddUser, Takes::OnOk},
    {P::Messaging, IDC_OPT_CONTEXT_MENU, &Settings::ActivateContextMenu, Takes::OnOk},
    {P::Messaging, IDC_OPT_USE_COMPUTER_NAME, &Settings::UseComputerName, Takes::OnOk},
    {P::Messaging, IDC_OPT_NOTIFY_SENDING, &Settings::NotifyForMsgSending, Takes::OnOk},
    {P::NetworkGroups, IDC_OPT_USE_BROADCAST, &Settings::UseBroadcast, Takes::OnOk},
    {P::IgnoreList, IDC_OPT_ENABLE_IGNORE, &Settings::ActiveIgnorList, Takes::AtOnce},
    {P::IgnoreList, IDC_OPT_IGNORE_WORKGROUP, &Settings::IgnorWorkgroup, Takes::OnOk},
    {P::QuickAnswers, IDC_OPT_SILENT_ANSWERS, &Settings::SilentAnswers, Takes::OnOk},
    {P::History, IDC_OPT_LOG_HISTORY, &Settings::LogHistory, Takes::AtOnce},
    {P::Transfer, IDC_OPT_ACCEPT_FILES, &Settings::AcceptFiles, Takes::AtOnce},
};

struct EnableRule {
    int box;
    std::vector<int> controls;
};

const std::vector<EnableRule> kEnableRules = {
    {IDC_OPT_AUTO_SCAN, {IDC_OPT_SCAN_INTERVAL}},
    {IDC_OPT_USE_SERVER, {IDC_OPT_SERVER_LABEL, IDC_OPT_SERVER_NAME}},
    {IDC_OPT_USE_HOTKEY, {IDC_OPT_HOTKEY_LABEL, IDC_OPT_HOTKEY_LETTER}},
    {IDC_OPT_POPUP, {IDC_OPT_SHOW_INACTIVE}},
    {IDC_OPT_PLAY_SOUND, {IDC_OPT_SOUNDS}},
    {IDC_OPT_ENABLE_IGNORE, {IDC_OPT_LIST, IDC_OPT_LIST_ADD, IDC_OPT_LIST_DELETE}},
    {IDC_OPT_LOG_HISTORY, {IDC_OPT_SAVING_GROUP, IDC_OPT_OVERWRITE, IDC_OPT_APPEND, IDC_OPT_CLEAR_HISTORY}},
    {IDC_OPT_ACCEPT_FILES, {IDC_OPT_FOLDER_LABEL, IDC_OPT_FOLDER, IDC_OPT_BROWSE_FOLDER}},
};

const std::vector<int> kNone;

} // namespace

const std::vector<OptionBox>& OptionBoxes()
{
    return kBoxes;
}

std::vector<OptionBox> BoxesOf(OptionsPage page)
{
    std::vector<OptionBox> boxes;
    for (const OptionBox& box : kBoxes)
        if (box.page == page) boxes.push_back(box);
    return boxes;
}

const OptionBox* FindOptionBox(int control)
{
    for (const OptionBox& box : kBoxes)
        if (box.control == control) return &box;
    return nullptr;
}

const std::vector<int>& ControlsEnabledBy(int box)
{
    for (const EnableRule& rule : kEnableRules)
        if (rule.box == box) return rule.controls;
    return kNone;
}

int EnablingBox(OptionsPage page, int control)
{
    for (const EnableRule& rule : kEnableRules) {
        const OptionBox* box = FindOptionBox(rule.box);
        if (!box || box->page != page) continue;
        for (int c : rule.controls)
            if (c == control) return rule.box;
    }
    return 0;
}

} // namespace kivet
