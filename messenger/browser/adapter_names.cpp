#include "messenger/browser/adapter_names.h"

#include <system_error>

#include "messenger/browser/local_identity.h"

namespace kivet {

AdapterNames::~AdapterNames()
{
    Flush();
}

void AdapterNames::AddName(const std::array<char, 16>& name)
{
    Run([name](NetworkBrowser& browser) {
        NetBios& netbios = browser.AdapterNetBios();
        for (uint8_t lana : ListedAdapters(browser.Identity()))
            netbios.AddGroupName(lana, name);
    });
}

void AdapterNames::DeleteName(const std::array<char, 16>& name)
{
    Run([name](NetworkBrowser& browser) {
        NetBios& netbios = browser.AdapterNetBios();
        for (uint8_t lana : ListedAdapters(browser.Identity()))
            netbios.DeleteName(lana, name);
    });
}

void AdapterNames::Flush()
{
    if (running_.joinable()) running_.join();
}

// The changes keep their order: a change starts once the one before it has ended.
void AdapterNames::Run(std::function<void(NetworkBrowser&)> change)
{
    Flush();
    NetworkBrowser* browser = browser_.get();
    if (!browser) return;
    try {
        running_ = std::thread([browser, change = std::move(change)] { change(*browser); });
    } catch (const std::system_error&) {
        change(*browser); // no thread to be had: the change runs here
    }
}

} // namespace kivet
