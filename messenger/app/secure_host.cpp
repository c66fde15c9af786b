#include "messenger/app/secure_host.h"

#include "common/fixed_text.h"
#include "common/win32/win32_codec.h"
#include "messenger/app/main_thread_call.h"
#include "messenger/app/receive_context.h"
#include "messenger/clients/secure_auto_reply.h"
#include "messenger/messages.h"
#include "messenger/runtime/win32/message_box_win32.h"

namespace kivet {

SecureSettings ProgramSecureHost::Settings()
{
    const kivet::Settings& s = app_.settings;
    return {s.ActiveIgnorList != 0, s.LogHistory != 0, app_.InAutoReplyMode(), s.UseComputerName != 0};
}

std::string ProgramSecureHost::LocalComputer()
{
    return std::string(FieldText(app_.Identity().computerName));
}

std::string ProgramSecureHost::LocalUser()
{
    return std::string(FieldText(app_.Identity().userName));
}

const TextCodec& ProgramSecureHost::Codec()
{
    return SystemCodec();
}

// The lists live on the main thread; the exchange thread asks there.
bool ProgramSecureHost::InIgnoreList(std::string_view name)
{
    bool listed = false;
    RunOnMainThread(app_.frame, [&] { listed = app_.lists && app_.lists->lists.ignore.Contains(name); });
    return listed;
}

std::string ProgramSecureHost::ReceivedAtNow()
{
    return ProgramReceiveContext(app_).ReceivedAtNow();
}

void ProgramSecureHost::WriteIncomingHistory(const MessageRecord& record)
{
    if (app_.history) app_.history->RecordIncoming(record);
}

void ProgramSecureHost::AnswerWithAutoReply(std::string_view computer)
{
    ProgramReceiveContext context(app_);
    SendSecureAutoReply(app_.Writer(), SystemCodec(), context, computer);
}

// The main window starts the new-message announcements and shows the store again.
void ProgramSecureHost::SecureMessageStored()
{
    if (HWND main = app_.MainDialog()) SendMessageA(main, kMsgSecureStored, 0, 0);
}

void ProgramSecureHost::WriteOutgoingHistory(std::string_view, std::string_view recipient, std::string_view text)
{
    if (app_.history) app_.history->RecordOutgoing(recipient, text);
}

void ProgramSecureHost::ShowBox(const BoxSpec& box)
{
    ShowMessageBox(nullptr, box);
}

void ProgramSecureHost::Pause(unsigned milliseconds)
{
    Sleep(milliseconds);
}

SecureResult SessionSecureSender::Send(std::string_view computer, std::string_view text)
{
    return SecureResultFromCode(static_cast<uint32_t>(app_.secure.SendSecure(computer, text)));
}

} // namespace kivet
