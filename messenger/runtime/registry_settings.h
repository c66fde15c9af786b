// The values the program keeps in the registry under the current user, and its shell
// integration (start-up entry, sound event, Network Neighborhood verb).
#pragma once

#include <cstdint>
#include <string>

#include "messenger/runtime/settings_store.h"

namespace kivet {

extern const char kProgramKey[];      // "Software\Ostrel\Kivet Secure Messenger"
extern const char kRunKey[];          // the current user's Run key
extern const char kRunValue[];        // "Kivet Secure Messenger"
extern const char kSoundEventKey[];   // the application's sound-event group
extern const char kSoundCurrentKey[]; // its "Incoming message" event, ".Current" scheme
extern const char kVerbKey[];         // "Network\Shell\Message..." under the classes root
extern const char kVerbCommandKey[];

// Creates the program key and its subkeys and writes the program path as `Location`.
void InitRegistry(RegistryStore& reg, const std::string& programPath);

struct WindowPlacement {
    bool hasPosition = false;
    int32_t x = 0, y = 0;
    bool hasSize = false;
    int32_t width = 0, height = 0;
};

void SaveMainWindowPlacement(RegistryStore& reg, int32_t x, int32_t y, int32_t width, int32_t height);
WindowPlacement LoadMainWindowPlacement(RegistryStore& reg);
void SaveSendDialogPlacement(RegistryStore& reg, int32_t x, int32_t y, int32_t width, int32_t height);
WindowPlacement LoadSendDialogPlacement(RegistryStore& reg);

// Single values. A missing value reads as empty (or the stated default).
std::string ReadContextMenu(RegistryStore& reg);
void WriteContextMenu(RegistryStore& reg, const std::string& name); // at most 19 characters
std::string ReadCurrentAutoAnswer(RegistryStore& reg);
void WriteCurrentAutoAnswer(RegistryStore& reg, const std::string& text);
uint32_t ReadScanDelay(RegistryStore& reg); // 15 minutes when missing
void WriteScanDelay(RegistryStore& reg, uint32_t minutes);
std::string ReadGeneralHotKey(RegistryStore& reg); // "B" when missing, as the Options page shows it
std::string ReadStoredHotKey(RegistryStore& reg);  // empty when no letter was ever stored
void WriteGeneralHotKey(RegistryStore& reg, const std::string& letter);
uint32_t HotKeyVirtualKey(const std::string& letter); // first character masked to 7 bits
// The key of the main window's hotkey (Ctrl+Alt+key), 0 for none: with UseHotkey off, and also
// when no letter was ever stored, so that a fresh installation takes no key system-wide.
uint32_t MainWindowHotKey(bool useHotkey, const std::string& storedLetter);
std::string ReadServer(RegistryStore& reg);
void WriteServer(RegistryStore& reg, const std::string& server);
std::string ReadLastHistoryTime(RegistryStore& reg);
void WriteLastHistoryTime(RegistryStore& reg, const std::string& time);
std::string ReadSaveFolder(RegistryStore& reg);
void WriteSaveFolder(RegistryStore& reg, const std::string& folder);

// Shell integration, brought in line with the settings whenever they are applied.
void ApplyRunAtStartup(RegistryStore& reg, bool on, const std::string& programPath);
// Returns the sound file to play on a new message ("" when the sound is off).
std::string ApplySoundEvent(RegistryStore& reg, bool on, const std::string& windowsFolder);
void ApplyContextMenuVerb(RegistryStore& reg, bool on, const std::string& programPath);
// Removes the verb; called at every shutdown.
void RemoveContextMenuVerb(RegistryStore& reg);

} // namespace kivet
