#include "messenger/app/send_dialog_host.h"

#include "common/win32/win32_codec.h"
#include "messenger/app/main_window_host.h"
#include "messenger/app/options_commands.h"
#include "messenger/app/receive_context.h"
#include "messenger/app/sending.h"
#include "messenger/browser/win32/sender_commands.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/help_topics.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/win32/help_viewer.h"
#include "messenger/send/auto_reply_reading.h"
#include "messenger/transport/win32/mailslots.h"

namespace kivet {

ProgramSendDialogHost::ProgramSendDialogHost(Application& app) : app_(app)
{
    const MainWindowResources& r = app.windowResources;
    resources_.instance = r.instance;
    resources_.regularFont = r.regularFont;
    resources_.richEditVersion1 = r.richEditVersion1;
    resources_.treeImages = r.treeImages;
    resources_.emoticons = &app.emoticons;
}

std::vector<std::string> ProgramSendDialogHost::QuickList()
{
    return app_.lists ? app_.lists->lists.quick.Entries() : std::vector<std::string>();
}

NamesTreeInput ProgramSendDialogHost::TreeContent()
{
    NamesTreeInput in;
    if (app_.lists) {
        const PersonalLists& lists = app_.lists->lists;
        in.networkGroups = lists.networkGroups.Entries();
        for (const MyGroup& group : lists.myGroups.Groups()) in.myGroups.push_back({group.name, group.members});
        in.quickList = lists.quick.Entries();
        in.ignoreList = lists.ignore.Entries();
    }
    in.serverGroups = app_.relay.serverGroups.Names();
    if (app_.browser) {
        in.quickListStatus = app_.browser->QuickListStatuses();
        in.scanned = app_.browser->TreeItems();
    }
    return in;
}

std::vector<std::string> ProgramSendDialogHost::QuickAnswers()
{
    return app_.lists ? app_.lists->lists.answers.Entries() : std::vector<std::string>();
}

std::vector<StatusPart> ProgramSendDialogHost::ScanFigures()
{
    return app_.browser ? app_.browser->StatusFigures() : std::vector<StatusPart>();
}

bool ProgramSendDialogHost::StartScan()
{
    return app_.browser && app_.browser->StartScan(QuickList());
}

void ProgramSendDialogHost::WatchScans(std::shared_ptr<ScanObserver> observer)
{
    if (app_.browser) app_.browser->SetScanObserver(std::move(observer));
}

SendLaunch ProgramSendDialogHost::PrepareSend(HWND dialog)
{
    SendLaunch launch;
    launch.settings = SendSettingsFrom(app_.settings, ReadServer(app_.registry));
    Application& app = app_;
    launch.job = [&app, dialog](const SendRequest& request, SendDialogLink& link) {
        return RunSendOperation(app, request, link, dialog);
    };
    return launch;
}

void ProgramSendDialogHost::ShowDetails(HWND owner, const std::string& name)
{
    if (app_.browser)
        ShowSenderDetails(owner, *app_.browser, name, SystemCodec(), ProcessActionLog(),
                          [] { ShowHelpTopic(kHelpDetailsWindow); });
}

void ProgramSendDialogHost::BrowseComputer(HWND owner, const std::string& name)
{
    if (app_.browser) BrowseSenderComputer(owner, *app_.browser, name);
}

std::optional<std::string> ProgramSendDialogHost::ReadAutoReply(const std::string& name)
{
    if (!app_.browser) return std::nullopt;
    const std::string computer = ScannedComputerOf(*app_.browser->Tables(), name);
    if (computer.empty()) return std::nullopt;
    Win32MailslotReader reader(app_.mailslots.autoReply);
    ProgramReceiveContext context(app_);
    AutoReplyReading reading{app_.Writer(), reader, SystemCodec(), context};
    return ReadRemoteAutoReply(computer, reading);
}

void ProgramSendDialogHost::AddToList(HWND owner, const std::string& name, bool ignoreList)
{
    AddNameToPersonalList(app_, owner, name, ignoreList);
}

void ProgramSendDialogHost::OpenQuickAnswersOptions(HWND)
{
    RunOptionsCommand(app_, IDM_ADD_QUICK_ANSWER);
}

} // namespace kivet
