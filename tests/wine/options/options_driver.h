// Helpers of the Options and language-pack tests under Wine: folders of their own, a host
// process, finding and answering another process's dialogs, reading a control of another process
// through memory placed in it, and the stores the program writes.
#pragma once

#include <windows.h>

#include "tests/wine/driver/kivet_driver.h" // waiting, pressing, files and the registry reset

#include <functional>
#include <string>
#include <vector>

namespace kivet::wine {

// A fresh, empty folder under %TEMP%.
std::string FreshFolder(const std::string& name);
bool CopyInto(const std::string& from, const std::string& folder, const std::string& asName);

class HostProcess {
public:
    HostProcess() = default;
    ~HostProcess();
    HostProcess(const HostProcess&) = delete;
    HostProcess& operator=(const HostProcess&) = delete;
    bool Start(const std::string& folder, const std::string& program, const std::string& args);
    bool WaitExit(DWORD ms);
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }

private:
    PROCESS_INFORMATION info_{};
};

// A visible top-level dialog of a process (any process for 0) with the given caption.
HWND FindDialog(DWORD processId, const std::string& caption);
std::string WindowText(HWND window);
// The texts of a dialog's static controls, joined by newlines (a message box's text).
std::string StaticTexts(HWND dialog);

// Memory placed in another process, for control messages that carry pointers.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, std::size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    void* Address() const { return address_; }
    bool Write(const void* data, std::size_t size, std::size_t offset = 0);
    bool Read(void* data, std::size_t size, std::size_t offset = 0);

private:
    HANDLE process_;
    void* address_;
};

// The program's registry key and the INI and history names of this user.
std::string ProgramValue(const std::string& subkey, const std::string& name); // "<missing>" when absent
std::vector<std::string> ProgramValueNames(const std::string& subkey);
std::string IniValue(const std::string& iniPath, const char* section, const char* key); // "<missing>"
std::string IniPathIn(const std::string& folder);

// Answers the boxes a call of this process shows: a thread that watches for dialogs of this
// process with one of the captions, records "caption|text" and presses OK.
class BoxAnswerer {
public:
    explicit BoxAnswerer(std::vector<std::string> captions);
    ~BoxAnswerer();
    std::vector<std::string> Seen();

private:
    struct State;
    State* state_;
};

} // namespace kivet::wine
