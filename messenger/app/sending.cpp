#include "messenger/app/sending.h"

#include <mmsystem.h>

#include "common/win32/win32_codec.h"
#include "messenger/app/main_thread_call.h"
#include "messenger/app/receive_context.h"
#include "messenger/messages.h"
#include "messenger/runtime/win32/ini_file_win32.h"
#include "messenger/send/personal_send_lists.h"
#include "messenger/send/send_mode.h"
#include "messenger/send/transport_receipt_poll.h"
#include "messenger/send/win32/send_prompts_win32.h"
#include "messenger/transport/win32/mailslots.h"

namespace kivet {
namespace {

// The sending code's view of the lists, every call carried out on the main thread, where the
// lists live (the Options sheet and the main window change them there).
class MainThreadSendLists final : public SendLists {
public:
    MainThreadSendLists(Application& app, SendLists& lists) : app_(app), lists_(lists) {}
    bool InNetworkGroups(std::string_view group) override
    {
        bool found = false;
        RunOnMainThread(app_.frame, [&] { found = lists_.InNetworkGroups(group); });
        return found;
    }
    bool InServerGroups(std::string_view group) override { return lists_.InServerGroups(group); } // locked
    bool FindMyGroup(std::string_view name, std::vector<std::string>& members) override
    {
        bool found = false;
        RunOnMainThread(app_.frame, [&] { found = lists_.FindMyGroup(name, members); });
        return found;
    }
    void AddToQuickList(std::string_view name) override
    {
        RunOnMainThread(app_.frame, [&] { lists_.AddToQuickList(name); });
    }

private:
    Application& app_;
    SendLists& lists_;
};

ReceiptPollCallbacks MainWindowAnnouncements(Application& app)
{
    ReceiptPollCallbacks callbacks;
    callbacks.playIncomingSound = [&app] {
        if (app.settings.PlaySoundOnReceive && app.mainWindow && !app.mainWindow->soundPath.empty())
            sndPlaySoundA(app.mainWindow->soundPath.c_str(), SND_ASYNC | SND_NODEFAULT);
    };
    callbacks.refreshMessageView = [&app] {
        if (HWND main = app.MainDialog()) SendMessageA(main, kMsgGroupRefresh, 0, 0);
    };
    return callbacks;
}

} // namespace

int RunSendOperation(Application& app, const SendRequest& request, SendDialogLink& link, HWND sendDialog)
{
    ProgramReceiveContext context(app);
    MailslotWriter& writer = app.Writer();
    PersonalSendLists personal(app.lists->lists, app.relay.serverGroups, SystemCodec());
    MainThreadSendLists lists(app, personal);
    Win32SendPrompts prompts(app.files.instance, sendDialog, ProcessTexts());
    Win32MailslotReader groupMailslot(app.mailslots.group);
    TransportReceiptPoll poll(groupMailslot, writer, SystemCodec(), context, app.store, app.receipts,
                              MainWindowAnnouncements(app));
    SendServices services{*app.browser, writer,       SystemCodec(),       context,     lists,
                          app.Secure(), prompts,      poll,                app.receipts, link,
                          ProcessActionLog(), ProcessTexts(), app.nonSecureConsent};
    return RunSendingThread(request, services);
}

void RunCommandLineSend(Application& app, const std::vector<std::string>& recipients, const std::string& text)
{
    // The user's own settings (UseComputerName) and lists, as the running program would have them.
    ProfileIniFile ini(app.files.programDirectory + IniFileName(app.files.logonName));
    LoadIniSettings(ini, app.settings);
    Win32Registry registry;
    PersonalLists lists(registry, SystemCodec());
    lists.LoadAtStartup();
    PersonalSendLists sendLists(lists, app.relay.serverGroups, SystemCodec());
    ProgramReceiveContext context(app);
    SendModeServices services{*app.browser, app.Writer(), SystemCodec(), context, sendLists};
    RunSendMode(recipients, text, services);
}

} // namespace kivet
