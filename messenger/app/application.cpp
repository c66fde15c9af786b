#include "messenger/app/application.h"

#include "common/win32/win32_codec.h"

namespace kivet {

ListObjects::ListObjects(const std::unique_ptr<NetworkBrowser>& browser)
    : names(browser), lists(registry, SystemCodec()), autoReply(registry, names)
{
}

} // namespace kivet
