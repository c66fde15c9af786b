// The kivetsec.exe running on this computer (this Wine prefix), as the network tests' driver sees
// it from outside: its main window, its process, and what the window shows.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kivet::wine {

// What the tray tooltip "%d Messages, %d New" (with " (Auto-Reply mode)") says.
struct TrayCounts {
    int total = 0;
    int unread = 0;
    bool away = false;
};

// The last network scan as the main window's scan query reports it.
struct ScanFigures {
    int computers = 0;
    int users = 0;
    bool running = false;
};

class RunningProgram {
public:
    // Waits up to `ms` for the main window and for the program to idle in its message loop.
    bool Find(DWORD ms);

    HWND Main() const { return main_; }
    DWORD ProcessId() const { return processId_; }
    // Waits up to `ms` for the process to end.
    bool WaitExit(DWORD ms) const;

    std::string Header() const;
    std::string Text() const;
    std::string Tooltip() const;
    std::optional<TrayCounts> Counts() const;
    // The status bar shows the padlock of a secure message.
    bool Padlock() const;

    ScanFigures Scan() const;
    // The scan's state byte of a computer or user (0x100 added when its computer runs the
    // messenger); -1 when the scan did not list it.
    long ScannedState(const std::string& name) const;

    // A command of the main window, sent (the program has carried it out on return) or posted
    // (for commands that open a modal window).
    void Command(WORD id) const;
    void PostCommand(WORD id) const;

private:
    HWND main_ = nullptr;
    DWORD processId_ = 0;
};

std::optional<TrayCounts> ParseTooltip(const std::string& tooltip);

} // namespace kivet::wine
