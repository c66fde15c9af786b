#include "messenger/runtime/settings.h"

#include <cstdlib>

namespace kivet {

#define KIVET_INI_KEY(section, name)                                                                                   \
    {                                                                                                                  \
        section, #name, &Settings::name                                                                                \
    }

const IniKey kIniKeys[] = {
    KIVET_INI_KEY("GENERAL", AlwaysOnTop),
    KIVET_INI_KEY("GENERAL", MovetoTrayAtStartup),
    KIVET_INI_KEY("GENERAL", RunAtStartup),
    KIVET_INI_KEY("GENERAL", AutoScan),
    KIVET_INI_KEY("GENERAL", UseServer),
    KIVET_INI_KEY("GENERAL", UseHotkey),
    KIVET_INI_KEY("RECEIVING", ShowAsInactive),
    KIVET_INI_KEY("RECEIVING", PopupOnReceive),
    KIVET_INI_KEY("RECEIVING", HideIfLastMsgDeleted),
    KIVET_INI_KEY("RECEIVING", JumpToLastMsg),
    KIVET_INI_KEY("RECEIVING", PlaySoundOnReceive),
    KIVET_INI_KEY("RECEIVING", PCSpeakerBeep),
    KIVET_INI_KEY("RECEIVING", ScrollLock),
    KIVET_INI_KEY("SENDING", CloseWindowAfterSending),
    KIVET_INI_KEY("SENDING", AddUser),
    KIVET_INI_KEY("SENDING", ActivateContextMenu),
    KIVET_INI_KEY("SENDING", UseComputerName),
    KIVET_INI_KEY("SENDING", NotifyForMsgSending),
    KIVET_INI_KEY("LANGUAGE", Language),
    KIVET_INI_KEY("NETWORK GROUPS", UseBroadcast),
    KIVET_INI_KEY("IGNORE LIST", ActiveIgnorList),
    KIVET_INI_KEY("IGNORE LIST", IgnorWorkgroup),
    KIVET_INI_KEY("QUICK ANSWERS", SilentAnswers),
    KIVET_INI_KEY("HISTORY", LogHistory),
    KIVET_INI_KEY("HISTORY", OverwriteAtStartup),
    KIVET_INI_KEY("TRANSFER", AcceptFiles),
};

#undef KIVET_INI_KEY

const std::size_t kIniKeyCount = sizeof kIniKeys / sizeof kIniKeys[0];

int32_t DefaultValue(const IniKey& key)
{
    static const Settings defaults;
    return defaults.*key.field;
}

void LoadIniSettings(IniFile& ini, Settings& settings)
{
    for (const IniKey& k : kIniKeys) {
        std::string text;
        settings.*k.field = ini.Read(k.section, k.key, 3, text) ? std::atoi(text.c_str()) : DefaultValue(k);
    }
}

void SaveIniSettings(IniFile& ini, const Settings& settings)
{
    for (const IniKey& k : kIniKeys)
        ini.Write(k.section, k.key, std::to_string(settings.*k.field));
}

std::string IniFileName(const std::string& logonName)
{
    return logonName.empty() ? "kivetsec.ini" : logonName + ".ini";
}


} // namespace kivet
