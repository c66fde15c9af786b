#include "messenger/options/settings_page_fields.h"

#include "messenger/options/hotkey_letters.h"
#include "messenger/options/relay_server_name.h"
#include "messenger/options/scan_intervals.h"
#include "messenger/runtime/registry_settings.h"

namespace kivet {
namespace {

// The stored letter as it is, "" when none is stored (ReadGeneralHotKey answers "B" then).
std::string StoredHotkeyLetter(RegistryStore& registry)
{
    std::string letter;
    if (!registry.GetString(RegRoot::CurrentUser, kProgramKey, "GeneralHotKey", 16, letter)) return std::string();
    return letter;
}

bool StoredServerExists(RegistryStore& registry)
{
    std::string name;
    return registry.GetString(RegRoot::CurrentUser, kProgramKey, "Server", 16, name);
}

} // namespace

SettingsPageFields ReadSettingsPageFields(RegistryStore& registry)
{
    SettingsPageFields fields;
    fields.intervalIndex = static_cast<long>(ScanIntervalIndex(ReadScanDelay(registry)));
    fields.serverName = ReadServer(registry);
    fields.letterIndex = static_cast<long>(HotkeyLetterIndex(StoredHotkeyLetter(registry)));
    return fields;
}

bool ConfirmSettingsFields(const SettingsPageFields& fields, Settings& record, RegistryStore& registry)
{
    bool changed = false;

    uint32_t minutes = ScanIntervalMinutes(fields.intervalIndex);
    changed |= ReadScanDelay(registry) != minutes;
    WriteScanDelay(registry, minutes);

    if (record.UseHotkey) {
        std::string letter = HotkeyLetterAt(fields.letterIndex);
        changed |= StoredHotkeyLetter(registry) != letter;
        WriteGeneralHotKey(registry, letter);
    }

    RelayServerChoice relay = DecideRelayServer(record.UseServer != 0, fields.serverName);
    record.UseServer = relay.useServer ? 1 : 0;
    if (relay.storeName) {
        changed |= !StoredServerExists(registry) || ReadServer(registry) != relay.name;
        WriteServer(registry, relay.name);
    }
    return changed;
}

} // namespace kivet
