// Auto-Reply mode's away name on every adapter the start-up enumeration found, through the
// browser's NetBIOS commands (which share the once-only adapter reset). Registering a name can
// take seconds (the network is asked whether anyone objects), so each change runs on a thread of
// its own, one after the other, and the window that asked goes on at once.
#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "messenger/browser/netbios_names.h"
#include "messenger/browser/network_browser.h"

namespace kivet {

class AdapterNames : public NetBiosNames {
public:
    // The browser is read when a change runs; once it is gone nothing is sent. Changes are asked
    // from one thread (the main thread).
    explicit AdapterNames(const std::unique_ptr<NetworkBrowser>& browser) : browser_(browser) {}
    ~AdapterNames() override;
    AdapterNames(const AdapterNames&) = delete;
    AdapterNames& operator=(const AdapterNames&) = delete;

    // Added as a group name: a unique name is defended across the network, so only the first of
    // several users away at the same time would be marked. Scans look only at the suffix byte.
    void AddName(const std::array<char, 16>& name) override;
    void DeleteName(const std::array<char, 16>& name) override;
    // Waits for the change under way; call before the browser goes.
    void Flush();

private:
    void Run(std::function<void(NetworkBrowser&)> change);

    const std::unique_ptr<NetworkBrowser>& browser_;
    std::thread running_;
};

} // namespace kivet
