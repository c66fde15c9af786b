#include "messenger/clients/win32/secure_session.h"

#include "messenger/clients/secure_probe.h"
#include "messenger/clients/secure_send_thread.h"

namespace kivet {

void ServeSentMessages()
{
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

SecureSession::~SecureSession()
{
    Stop();
}

bool SecureSession::Start(SecureHost& host, ActionWriter& log, MessageStore& store, const ShowBoxFunction& showBox)
{
    if (!StartSecureComponent(component_, showBox)) {
        StopSecureComponent(component_);
        return false;
    }
    api_ = std::make_unique<ComSecureApi>(component_.secure);
    parts_ = std::make_unique<SecureParts>(SecureParts{*api_, host, log});
    server_ = std::make_unique<SecureServer>(*parts_, store);
    thread_ = std::make_unique<SecureServerThread>(*server_);
    thread_->Start(log);
    return true;
}

void SecureSession::Stop()
{
    if (thread_) thread_->Stop(ServeSentMessages);
    thread_.reset();
    server_.reset();
    StopSecureComponent(component_);
    parts_.reset();
    api_.reset();
}

int SecureSession::SendSecure(std::string_view recipient, std::string_view text)
{
    if (!parts_) return static_cast<int>(SecureSendResult::Error);
    return RunSecureSend(*parts_, recipient, text);
}

bool SecureSession::ProbeSecureServer(std::string_view computer)
{
    return parts_ && kivet::ProbeSecureServer(*api_, computer);
}

} // namespace kivet
