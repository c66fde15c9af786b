// Auto-Reply mode's away name on every adapter the start-up enumeration found, through the
// browser's NetBIOS commands (which share the once-only adapter reset).
#pragma once

#include <memory>

#include "messenger/browser/netbios_names.h"
#include "messenger/browser/network_browser.h"

namespace kivet {

class AdapterNames : public NetBiosNames {
public:
    // The browser is read when a name is added or deleted; once it is gone nothing is sent.
    explicit AdapterNames(const std::unique_ptr<NetworkBrowser>& browser) : browser_(browser) {}
    // Added as a group name: a unique name is defended across the network, so only the first of
    // several users away at the same time would be marked. Scans look only at the suffix byte.
    void AddName(const std::array<char, 16>& name) override;
    void DeleteName(const std::array<char, 16>& name) override;

private:
    const std::unique_ptr<NetworkBrowser>& browser_;
};

} // namespace kivet
