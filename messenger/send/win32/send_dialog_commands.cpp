#include "messenger/send/win32/send_dialog_commands.h"

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/win32/win32_codec.h"
#include "messenger/mainwindow/win32/emoticon_picker.h"
#include "messenger/mainwindow/win32/rich_emoticons.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/language_menus.h"
#include "messenger/runtime/win32/message_box_win32.h"
#include "messenger/send/recipient_box.h"
#include "messenger/send/recipient_list.h"
#include "messenger/send/win32/names_tree_view.h"
#include "messenger/send/win32/read_auto_reply_dialog.h"
#include "messenger/send/win32/send_dialog_controls.h"
#include "messenger/send/win32/validation_balloon.h"

namespace kivet {
namespace {

std::string WindowText(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

void ShowBox(HWND owner, const char* text, const char* caption, BoxIcon icon)
{
    ShowMessageBox(owner, {text, caption, BoxButtons::Ok, icon});
}

// "Sending message..." with the program's picture, alone in the status bar.
void ShowSendingStatus(SendDialogState& s)
{
    char text[200];
    std::snprintf(text, sizeof text, "%s...", Text(IDS_SENDING_CAPTION));
    ShowStatusParts(s, {StatusPart{text, IDI_TRAY_NORMAL}});
}

// The message text with every picture back as its code, read on the dialog's own thread.
std::string MessageWithCodes(const SendDialogState& s)
{
    std::vector<char> buffer(kSendTextChars + 1, '\0');
    const size_t length = GetTextWithCodes(s.text, buffer.data(), buffer.size());
    return std::string(buffer.data(), length);
}

void StartSending(SendDialogState& s, std::string text)
{
    ShowSendingStatus(s);
    SendLaunch launch = s.host.PrepareSend(s.dialog);
    launch.dialog = s.dialog;
    launch.readText = [text = std::move(text)](HWND) { return text; };
    HWND dialog = s.dialog;
    launch.updateStatusBar = [dialog] { PostMessageA(dialog, kMsgSendFinished, 0, 0); };
    if (s.launcher) CloseHandle(s.launcher);
    s.launcher = StartSendLauncher(std::move(launch));
    if (!s.launcher) ShowStatusParts(s, s.host.ScanFigures());
}

// The name the selected item stands for, or "" for a heading or nothing selected.
std::string SelectedName(const SendDialogState& s)
{
    if (!s.selection.any) return std::string();
    return RecipientOfTreeItem(s.selection.text, s.selection.value, Text(IDS_OFFLINE_SUFFIX));
}

void Details(SendDialogState& s)
{
    const std::string name = SelectedName(s);
    if (!TreeCommandsFor(s.selection.value, s.selection.state).details || name.empty()) return;
    WriteAction("Processing VIEWINFO message (sending dialog)...");
    s.host.ShowDetails(s.dialog, name);
    WriteAction("Processing VIEWINFO message (sending dialog) complete.");
}

void Browse(SendDialogState& s)
{
    const std::string name = SelectedName(s);
    if (!TreeCommandsFor(s.selection.value, s.selection.state).details || name.empty()) return;
    WriteAction("Processing BROWSE message (sending dialog)...");
    s.host.BrowseComputer(s.dialog, name);
    WriteAction("Processing BROWSE message (sending dialog) complete.");
}

void ReadAutoReply(SendDialogState& s)
{
    const std::string name = SelectedName(s);
    if (!TreeCommandsFor(s.selection.value, s.selection.state).readAutoReply || name.empty()) return;
    WriteAction("Processing READAUTOREPLY message (sending dialog)...");
    WriteAction("Retrieving the Auto-Reply message...");
    ShowStatusParts(s, {StatusPart{Text(IDS_RETRIEVING_AUTO_REPLY), IDI_RETRIEVING}});
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const std::optional<std::string> message = s.host.ReadAutoReply(name);
    SetCursor(previous);
    ShowStatusParts(s, s.host.ScanFigures());
    if (message)
        ShowAutoReplyMessage(s.host.Resources().instance, s.dialog, name, *message);
    else
        ShowBox(s.dialog, Text(IDS_AUTO_REPLY_NOT_RETRIEVED), Text(IDS_READ_AUTO_REPLY_CAPTION), BoxIcon::Exclamation);
    WriteAction("Processing READAUTOREPLY message (sending dialog) complete.");
}

void AddToList(SendDialogState& s, bool ignoreList)
{
    const std::string name = SelectedName(s);
    if (name.empty()) return;
    s.host.AddToList(s.dialog, name, ignoreList);
    if (!IsWindow(s.dialog)) return;
    RebuildNamesTree(s);
    RefillRecipientBox(s);
}

void Refresh(SendDialogState& s)
{
    s.host.StartScan(); // a scan already running goes on alone
}

void EnableButton(HWND toolbar, int command, bool enabled)
{
    SendMessageA(toolbar, TB_ENABLEBUTTON, command, MAKELONG(enabled ? TRUE : FALSE, 0));
}

void EnableItem(HMENU menu, UINT command, bool enabled)
{
    EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

} // namespace

bool SendRunning(const SendDialogState& s)
{
    return s.launcher && WaitForSingleObject(s.launcher, 0) == WAIT_TIMEOUT;
}

void SendCommand(SendDialogState& s)
{
    if (SendRunning(s)) return;
    if (s.host.InAutoReplyMode()) {
        ShowBox(s.dialog, Text(IDS_NO_SENDING_IN_AUTO_REPLY), Text(IDS_SENDING_CAPTION), BoxIcon::Stop);
        return;
    }
    if (WindowText(s.recipient).empty()) {
        ShowValidationBalloon(s, s.recipient, Text(IDS_NO_RECIPIENT));
        return;
    }
    if (GetWindowTextLengthA(s.text) == 0) {
        ShowValidationBalloon(s, s.text, Text(IDS_EMPTY_MESSAGE));
        return;
    }
    HideValidationBalloon(s);
    StartSending(s, MessageWithCodes(s));
}

void PasteQuickAnswerCommand(SendDialogState& s, POINT under)
{
    const std::vector<std::string> answers = s.host.QuickAnswers();
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, IDM_ADD_QUICK_ANSWER, Text(IDS_ADD_NEW));
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    for (std::size_t i = 0; i < answers.size(); ++i)
        AppendMenuA(menu, MF_STRING, IDM_FIRST_QUICK_ANSWER + i, answers[i].c_str());
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, under.x, under.y, 0, s.dialog, nullptr));
    DestroyMenu(menu);
    if (chosen == IDM_ADD_QUICK_ANSWER) {
        s.host.OpenQuickAnswersOptions(s.dialog);
        return;
    }
    if (chosen < IDM_FIRST_QUICK_ANSWER || chosen - IDM_FIRST_QUICK_ANSWER >= answers.size()) return;
    if (const EmoticonBitmaps* pictures = s.host.Resources().emoticons)
        SetRichTextWithEmoticons(s.text, answers[chosen - IDM_FIRST_QUICK_ANSWER].c_str(), *pictures);
    else
        SetWindowTextA(s.text, answers[chosen - IDM_FIRST_QUICK_ANSWER].c_str());
    SetFocus(s.text);
}

void InsertEmotionCommand(SendDialogState& s, POINT beside)
{
    const EmoticonBitmaps* pictures = s.host.Resources().emoticons;
    if (!pictures) return;
    const int chosen = PickEmoticon(s.dialog, beside, *pictures);
    if (chosen > 0) InsertEmoticon(s.text, chosen, *pictures);
    SetFocus(s.text);
}

bool RunTreeCommand(SendDialogState& s, WORD command)
{
    switch (command) {
    case IDM_TREE_DETAILS: Details(s); return true;
    case IDM_TREE_BROWSE: Browse(s); return true;
    case IDM_TREE_READ_AUTO_REPLY: ReadAutoReply(s); return true;
    case IDM_TREE_ADD_QUICK_LIST: AddToList(s, false); return true;
    case IDM_TREE_ADD_IGNORE_LIST: AddToList(s, true); return true;
    case IDM_TREE_REFRESH: Refresh(s); return true;
    case IDM_TREE_TRANSFER: return true; // the transfer component is not part of the program
    }
    return false;
}

void ShowTreeMenu(SendDialogState& s, POINT at)
{
    HMENU popups = LanguagePopupMenus();
    HMENU names = popups ? GetSubMenu(popups, 1) : nullptr;
    if (!names) return;
    const TreeCommandStates states = TreeCommandsFor(s.selection.value, s.selection.state);
    EnableItem(names, IDM_TREE_DETAILS, states.details);
    EnableItem(names, IDM_TREE_BROWSE, states.details);
    EnableItem(names, IDM_TREE_READ_AUTO_REPLY, states.readAutoReply);
    EnableItem(names, IDM_TREE_TRANSFER, states.transfer);
    EnableItem(names, IDM_TREE_ADD_QUICK_LIST, states.details);
    EnableItem(names, IDM_TREE_ADD_IGNORE_LIST, states.details);
    EnableItem(names, IDM_TREE_REFRESH, states.refresh);
    SetMenuDefaultItem(names, IDM_TREE_DETAILS, FALSE);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(names, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, s.dialog, nullptr));
    PostMessageA(s.dialog, WM_NULL, 0, 0);
    if (chosen) RunTreeCommand(s, static_cast<WORD>(chosen));
}

void UpdateTreeButtons(SendDialogState& s)
{
    const TreeCommandStates states = s.selection.any ? TreeCommandsFor(s.selection.value, s.selection.state)
                                                     : TreeCommandStates{};
    EnableButton(s.treeToolbar, IDM_TREE_DETAILS, states.details);
    EnableButton(s.treeToolbar, IDM_TREE_BROWSE, states.details);
    EnableButton(s.treeToolbar, IDM_TREE_READ_AUTO_REPLY, states.readAutoReply);
    EnableButton(s.treeToolbar, IDM_TREE_TRANSFER, states.transfer);
    EnableButton(s.treeToolbar, IDM_TREE_REFRESH, states.refresh);
}

void RebuildNamesTree(SendDialogState& s, const std::vector<TreeItem>* scanned)
{
    WriteAction("Create names tree...");
    s.treeContent = s.host.TreeContent();
    if (scanned) s.treeContent.scanned = *scanned;
    const NamesTreeTexts texts{Text(IDS_PAGE_NETWORK_GROUPS), Text(IDS_PAGE_MY_GROUPS), Text(IDS_PAGE_QUICK_LIST),
                               Text(IDS_PAGE_IGNORE_LIST),    Text(IDS_DOMAINS),        Text(IDS_COMPUTERS),
                               Text(IDS_USERS),               Text(IDS_SERVER_SUFFIX),  Text(IDS_OFFLINE_SUFFIX)};
    FillNamesTree(s.tree, BuildNamesTree(s.treeContent, texts));
    s.selection = TreeSelection{};
    UpdateTreeButtons(s);
    WriteAction("Create names tree complete.");
}

void RefillRecipientBox(SendDialogState& s)
{
    WriteAction("Add Quick List to combo box...");
    const std::string typed = WindowText(s.recipient);
    s.boxEntries = RecipientBoxEntries(s.host.QuickList(), SystemCodec());
    SendMessageA(s.recipient, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : s.boxEntries)
        SendMessageA(s.recipient, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    SetWindowTextA(s.recipient, typed.c_str());
    WriteAction("Add Quick List to combo box complete.");
}

} // namespace kivet
