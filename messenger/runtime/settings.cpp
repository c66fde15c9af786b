#include "messenger/runtime/settings.h"

#include <cstdlib>

namespace kivet {

#define KIVET_INI_KEY(section, name, def)                                                                              \
    {                                                                                                                  \
        section, #name, def, &Settings::name                                                                           \
    }

const IniKey kIniKeys[] = {
    KIVET_INI_KEY("GENERAL", AlwaysOnTop, 0),
    KIVET_INI_KEY("GENERAL", MovetoTrayAtStartup, 1),
    KIVET_INI_KEY("GENERAL", RunAtStartup, 1),
    KIVET_INI_KEY("GENERAL", AutoScan, 0),
    KIVET_INI_KEY("GENERAL", UseServer, 0),
    KIVET_INI_KEY("GENERAL", UseHotkey, 1),
    KIVET_INI_KEY("RECEIVING", ShowAsInactive, 0),
    KIVET_INI_KEY("RECEIVING", PopupOnReceive, 0),
    KIVET_INI_KEY("RECEIVING", HideIfLastMsgDeleted, 1),
    KIVET_INI_KEY("RECEIVING", JumpToLastMsg, 0),
    KIVET_INI_KEY("RECEIVING", PlaySoundOnReceive, 1),
    KIVET_INI_KEY("RECEIVING", PCSpeakerBeep, 0),
    KIVET_INI_KEY("RECEIVING", ScrollLock, 0),
    KIVET_INI_KEY("SENDING", CloseWindowAfterSending, 0),
    KIVET_INI_KEY("SENDING", AddUser, 0),
    KIVET_INI_KEY("SENDING", ActivateContextMenu, 0),
    KIVET_INI_KEY("SENDING", UseComputerName, 0),
    KIVET_INI_KEY("SENDING", NotifyForMsgSending, 1),
    KIVET_INI_KEY("LANGUAGE", Language, 0),
    KIVET_INI_KEY("NETWORK GROUPS", UseBroadcast, 1),
    KIVET_INI_KEY("IGNORE LIST", ActiveIgnorList, 0),
    KIVET_INI_KEY("IGNORE LIST", IgnorWorkgroup, 0),
    KIVET_INI_KEY("QUICK ANSWERS", SilentAnswers, 0),
    KIVET_INI_KEY("HISTORY", LogHistory, 1),
    KIVET_INI_KEY("HISTORY", OverwriteAtStartup, 0),
    KIVET_INI_KEY("TRANSFER", AcceptFiles, 1),
};

#undef KIVET_INI_KEY

const std::size_t kIniKeyCount = sizeof kIniKeys / sizeof kIniKeys[0];

void LoadIniSettings(IniFile& ini, Settings& settings)
{
    for (const IniKey& k : kIniKeys) {
        std::string text;
        settings.*k.field = ini.Read(k.section, k.key, 3, text) ? std::atoi(text.c_str()) : k.defaultValue;
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

std::string HistoryFileName(const std::string& logonName)
{
    return logonName.empty() ? "History.html" : logonName + ".html";
}

Settings& ProcessSettings()
{
    static Settings settings;
    return settings;
}

} // namespace kivet
