#include "messenger/app/send_dialog_entry.h"

#include <cstdio>
#include <optional>

#include "common/fixed_text.h"
#include "common/win32/win32_codec.h"
#include "messenger/app/receive_context.h"
#include "messenger/app/send_dialog_host.h"
#include "messenger/browser/win32/win32_host_lookup.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/message_box_win32.h"
#include "messenger/send/dropped_name.h"
#include "messenger/send/quick_answer.h"
#include "messenger/send/win32/send_dialog.h"

namespace kivet {
namespace {

std::optional<std::string> CurrentSender(Application& app)
{
    const std::optional<MessageRecord> record = app.store.CurrentRecord();
    if (!record) return std::nullopt;
    return std::string(FieldText(record->sender));
}

void ShowNotFound(Application& app, const std::string& sender)
{
    char text[300];
    std::snprintf(text, sizeof text, Text(IDS_NAME_NOT_FOUND), sender.c_str());
    HWND owner = app.MainDialog();
    std::optional<ModalScope> modal;
    if (app.mainWindow) modal.emplace(*app.mainWindow);
    ShowMessageBox(owner, {text, Text(IDS_SENDING_CAPTION), BoxButtons::Ok, BoxIcon::Stop});
}

void SendSilently(Application& app, const std::string& sender, const std::string& answer)
{
    if (!app.browser) return;
    ProgramReceiveContext context(app);
    Win32HostLookup hosts;
    SilentAnswerServices services{*app.browser, app.Writer(), SystemCodec(), context,
                                  [&hosts](std::string_view name) { return !hosts.AddressOfName(std::string(name)).empty(); }};
    if (SendQuickAnswerSilently(sender, answer, services) == SilentAnswerResult::NotFound) ShowNotFound(app, sender);
}

} // namespace

void OpenSendDialog(Application& app, const SendHandOver* handOver, bool topmost)
{
    if (!app.frame || app.ShuttingDown()) return;
    ProgramSendDialogHost host(app);
    SendDialogOpening opening;
    opening.handOver = handOver;
    opening.topmost = topmost;
    RunSendDialog(app.frame, host, opening);
    if (HWND main = app.MainDialog())
        if (IsWindowVisible(main)) SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void OpenNewMessage(Application& app)
{
    OpenSendDialog(app, nullptr);
}

void OpenReply(Application& app)
{
    SendHandOver handOver{};
    if (const std::optional<std::string> sender = CurrentSender(app)) CopyCut(handOver.recipient, *sender);
    OpenSendDialog(app, &handOver);
}

void RunQuickAnswer(Application& app, std::size_t index)
{
    if (!app.lists) return;
    const std::vector<std::string> answers = app.lists->lists.answers.Entries();
    if (index >= answers.size()) return;
    const std::optional<std::string> sender = CurrentSender(app);
    SendHandOver handOver{};
    CopyCut(handOver.text, answers[index]);
    switch (ChooseQuickAnswerRoute(!sender.has_value(), app.settings.SilentAnswers != 0)) {
    case QuickAnswerRoute::OpenWithTextOnly: OpenSendDialog(app, &handOver); return;
    case QuickAnswerRoute::OpenWithSender:
        CopyCut(handOver.recipient, *sender);
        OpenSendDialog(app, &handOver);
        return;
    case QuickAnswerRoute::SendSilently: SendSilently(app, *sender, answers[index]); return;
    }
}

void OpenContextMenuSend(Application& app)
{
    SendHandOver handOver{};
    CopyCut(handOver.recipient, FieldText(app.contextMenuName));
    OpenSendDialog(app, &handOver, true);
}

void OpenForDroppedPaths(Application& app, const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) {
        const std::optional<std::string> name = DroppedComputerName(path);
        if (!name) continue;
        SendHandOver handOver{};
        CopyCut(handOver.recipient, *name);
        OpenSendDialog(app, &handOver);
        return;
    }
}

} // namespace kivet
