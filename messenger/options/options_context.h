// What the Options sheet works on. The composition layer owns all of it and hands it in; the
// sheet reaches nothing else of the program.
#pragma once

#include "common/text_codec.h"
#include "messenger/lists/personal_lists.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/settings_store.h"

namespace kivet {

// The program's services behind the sheet's buttons that reach beyond the settings and lists.
class OptionsServices {
public:
    virtual ~OptionsServices() = default;
    // "&Clear current history..." answered with Yes: start a new, empty history file.
    virtual void ClearHistory() = 0;
};

struct OptionsContext {
    Settings& settings;     // the process-wide settings record
    RegistryStore& registry; // the program key's values (ScanDelay, GeneralHotKey, Server, SaveFolder)
    IniFile& ini;           // the per-user INI file, rewritten whenever the sheet closes
    PersonalLists& lists;   // the lists the list pages edit; changes are written at once
    const TextCodec& codec; // upper-casing for the entry forms
    OptionsServices& services;
};

} // namespace kivet
