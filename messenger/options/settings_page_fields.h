// The Settings page's fields that live in the registry: the scan interval (`ScanDelay`), the
// relay server name (`Server`) and the hotkey letter (`GeneralHotKey`).
#pragma once

#include <string>

#include "messenger/runtime/settings.h"
#include "messenger/runtime/settings_store.h"

namespace kivet {

struct SettingsPageFields {
    long intervalIndex = 0; // position in the scan interval list; -1 for no selection
    std::string serverName;
    long letterIndex = 1; // position in the hotkey letter list; -1 for no selection
};

// What the page shows: the stored interval (a value outside the list shows "15 minutes"), the
// stored server name, and the stored letter ("B" when none is stored).
SettingsPageFields ReadSettingsPageFields(RegistryStore& registry);

// OK on the Settings page: `ScanDelay` is written in every case, `GeneralHotKey` while the
// hotkey is on, and the relay server name as DecideRelayServer rules (which may switch
// `UseServer` off in the record). True when a stored value changed.
bool ConfirmSettingsFields(const SettingsPageFields& fields, Settings& record, RegistryStore& registry);

} // namespace kivet
