#include "messenger/browser/adapter_names.h"

#include "messenger/browser/local_identity.h"

namespace kivet {

void AdapterNames::AddName(const std::array<char, 16>& name)
{
    if (!browser_) return;
    NetBios& netbios = browser_->AdapterNetBios();
    for (uint8_t lana : ListedAdapters(browser_->Identity()))
        netbios.AddGroupName(lana, name);
}

void AdapterNames::DeleteName(const std::array<char, 16>& name)
{
    if (!browser_) return;
    NetBios& netbios = browser_->AdapterNetBios();
    for (uint8_t lana : ListedAdapters(browser_->Identity()))
        netbios.DeleteName(lana, name);
}

} // namespace kivet
