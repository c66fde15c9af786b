// The start of the program, from its entry point to the message loop: the checks, the command
// line, the single-instance rule and the order in which everything is created. The window side
// implements StartupHost; the decisions and their order live here.
#pragma once

#include <string>
#include <vector>

#include "messenger/runtime/message_box.h"
#include "messenger/runtime/os_family.h"

namespace kivet {

class ActionLog;
class RegistryStore;

class StartupHost {
public:
    virtual ~StartupHost() = default;
    virtual void InitCommonControlsAndOle() = 0;
    // Strings 109 (class name and title) and 185 (no network) from the program's resources.
    virtual void LoadStartupStrings() = 0;
    virtual std::string StartupString(unsigned id) = 0;
    virtual bool NetworkPresent() = 0;
    virtual BoxAnswer ShowBox(const BoxSpec& box) = 0;
    // The program's folder with its trailing backslash.
    virtual std::string ProgramDirectory() = 0;
    // The command line without the program name.
    virtual std::string CommandArguments() = 0;
    // Sends a message to the running instance's hidden window; false when none runs.
    virtual bool SendToRunningInstance(unsigned message, unsigned wParam) = 0;
    virtual void CreateNetworkState() = 0;
    virtual void DestroyNetworkState() = 0;
    virtual bool EnumerateAdapters() = 0;
    virtual void FillLocalNames() = 0;
    virtual OsVersion QueryOsVersion() = 0;
    virtual void StartStartupWorker() = 0;
    // Send mode: delivers the text to each recipient in order.
    virtual void SendToRecipients(const std::vector<std::string>& recipients, const std::string& text) = 0;
    // Registers the window class and creates the hidden window (which builds everything else).
    virtual bool CreateFrameWindow() = 0;
    virtual int RunMessageLoop() = 0;
};

// Runs the program; returns its exit code.
int RunProgram(StartupHost& host, ActionLog& log, RegistryStore& registry);

// The texts of the command-line boxes.
BoxSpec NotEnoughParametersBox();
BoxSpec IncorrectParameterBox();
BoxSpec CommandLineHelpBox();
BoxSpec NoNetworkBox(const std::string& string185);

constexpr unsigned kSysCommandMessage = 0x0112; // WM_SYSCOMMAND
constexpr unsigned kRestoreCommand = 0xF120;    // SC_RESTORE

} // namespace kivet
