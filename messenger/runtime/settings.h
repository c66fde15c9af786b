// The on/off switches and small numbers kept in the per-user INI file.
#pragma once

#include <cstdint>
#include <string>

#include "messenger/runtime/settings_store.h"

namespace kivet {

// The members' initial values are the defaults: a key missing from the file takes its value from
// a default-constructed record.
struct Settings {
    // GENERAL
    int32_t AlwaysOnTop = 0;
    int32_t MovetoTrayAtStartup = 1;
    int32_t RunAtStartup = 1;
    int32_t AutoScan = 0;
    int32_t UseServer = 0;
    int32_t UseHotkey = 1;
    // RECEIVING
    int32_t ShowAsInactive = 0;
    int32_t PopupOnReceive = 0;
    int32_t HideIfLastMsgDeleted = 1;
    int32_t JumpToLastMsg = 0;
    int32_t PlaySoundOnReceive = 1;
    int32_t PCSpeakerBeep = 0;
    int32_t ScrollLock = 0;
    // SENDING
    int32_t CloseWindowAfterSending = 0;
    int32_t AddUser = 0;
    int32_t ActivateContextMenu = 0;
    int32_t UseComputerName = 0;
    int32_t NotifyForMsgSending = 1;
    // LANGUAGE
    int32_t Language = 0;
    // NETWORK GROUPS
    int32_t UseBroadcast = 1;
    // IGNORE LIST
    int32_t ActiveIgnorList = 0;
    int32_t IgnorWorkgroup = 0;
    // QUICK ANSWERS
    int32_t SilentAnswers = 0;
    // HISTORY
    int32_t LogHistory = 1;
    int32_t OverwriteAtStartup = 0;
    // TRANSFER
    int32_t AcceptFiles = 1;
};

struct IniKey {
    const char* section;
    const char* key;
    int32_t Settings::*field;
};

// The value a missing key takes.
int32_t DefaultValue(const IniKey& key);

// Every key of the INI file, in the order the file is read and written.
extern const IniKey kIniKeys[];
extern const std::size_t kIniKeyCount;

// Reads every key; a missing key takes its default. Values are read as at most 3 characters.
void LoadIniSettings(IniFile& ini, Settings& settings);
void SaveIniSettings(IniFile& ini, const Settings& settings);

// The per-user settings file: the logon name + ".ini", or "kivetsec.ini" when the logon name is
// empty.
std::string IniFileName(const std::string& logonName);

} // namespace kivet
