#include "messenger/app/application.h"

#include "common/win32/win32_codec.h"
#include "messenger/app/secure_host.h"

namespace kivet {

Application::Application() : secureSender(std::make_unique<SessionSecureSender>(*this)) {}

ListObjects::ListObjects(const std::unique_ptr<NetworkBrowser>& browser)
    : names(browser), lists(registry, SystemCodec()), autoReply(registry, names)
{
}

} // namespace kivet
