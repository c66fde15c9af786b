// Window-message, timer, hotkey and resource numbers shared by the program's windows,
// named once. Portable: no <windows.h>.
#pragma once

#include <cstdint>

namespace kivet {

// Window messages
constexpr uint32_t kMsgOpenContextMenuSend = 0x342; // 834: a later start handed over a recipient
constexpr uint32_t kMsgTrayNotify = 1037;
constexpr uint32_t kMsgSecureStored = 2222;
constexpr uint32_t kMsgGroupRefresh = 3333;

// Timers of the main window
constexpr uint32_t kTimerPlainPoll = 420;
constexpr uint32_t kTimerGroupPoll = 421;
constexpr uint32_t kTimerTrayBlink = 433;
constexpr uint32_t kTimerAutoReplyPoll = 444;
constexpr uint32_t kTimerScrollLock = 455;
constexpr uint32_t kTimerAutoScan = 2000;

// Hotkeys
constexpr int kHotkeyMainWindow = 900;

// Tray icon identifier
constexpr uint32_t kTrayIconId = 107;

} // namespace kivet
