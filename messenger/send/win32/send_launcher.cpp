#include "messenger/send/win32/send_launcher.h"

#include <memory>
#include <thread>
#include <utility>

#include "messenger/resources/resource.h"
#include "messenger/runtime/action_log.h"
#include "messenger/send/recipient_list.h"
#include "messenger/send/win32/busy_cursor.h"
#include "messenger/send/win32/send_dialog_link_win32.h"

namespace kivet {
namespace {

constexpr int kRecipientBoxChars = 255;

std::string ControlText(HWND dialog, int control, std::size_t maxChars)
{
    std::string text(maxChars + 1, '\0');
    const UINT length = GetDlgItemTextA(dialog, control, text.data(), static_cast<int>(text.size()));
    text.resize(length < maxChars ? length : maxChars);
    return text;
}

SendRequest ReadRequest(const SendLaunch& launch)
{
    SendRequest request;
    request.recipients = ReadRecipients(launch.dialog);
    request.text = launch.readText ? launch.readText(launch.dialog) : ReadMessageText(launch.dialog);
    request.settings = launch.settings;
    return request;
}

// The sending thread, waited for to its end.
int RunSendingThreadToEnd(const SendJob& job, const SendRequest& request, SendDialogLink& link)
{
    int exitCode = 0;
    std::thread sending([&] { exitCode = job(request, link); });
    sending.join();
    return exitCode;
}

DWORD WINAPI LauncherThread(LPVOID parameter)
{
    const std::unique_ptr<SendLaunch> launch(static_cast<SendLaunch*>(parameter));
    const SendRequest request = ReadRequest(*launch);
    HWND sendButton = GetDlgItem(launch->dialog, IDC_SEND_BUTTON);
    EnableWindow(sendButton, FALSE);
    Win32SendDialogLink link(launch->dialog, launch->updateStatusBar);
    BusyCursor cursor(launch->dialog);
    const int exitCode = launch->job ? RunSendingThreadToEnd(launch->job, request, link) : 0;
    cursor.Restore();
    EnableWindow(sendButton, TRUE);
    link.Finish();
    return static_cast<DWORD>(exitCode);
}

} // namespace

std::string ReadRecipients(HWND dialog)
{
    return ControlText(dialog, IDC_SEND_RECIPIENT, kRecipientBoxChars);
}

std::string ReadMessageText(HWND dialog)
{
    return ControlText(dialog, IDC_SEND_TEXT, kSendTextChars);
}

HANDLE StartSendLauncher(SendLaunch launch)
{
    WriteAction("Sending message...");
    auto owned = std::make_unique<SendLaunch>(std::move(launch));
    HANDLE thread = CreateThread(nullptr, 0, LauncherThread, owned.get(), 0, nullptr);
    if (thread != nullptr) owned.release();
    return thread;
}

} // namespace kivet
