// Drives a real kivetsec.exe from a test program: starts it in a folder of its own, finds its
// windows and message boxes, answers them, and reads what it wrote.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace kivet::wine {

// The folder of this test program, with its trailing backslash.
std::string BinFolder();
// Runs a command line in `folder` (this program's folder when empty) and returns its exit code,
// or -1 when it could not start or did not end within `ms`.
int RunAndWait(const std::string& commandLine, const std::string& folder = "", DWORD ms = 60000);

// A fresh folder under %TEMP% holding copies of kivetsec.exe and Secure.dll (taken from this
// test's folder), with that Secure.dll registered: the program does not start without it.
std::string MakeProgramFolder(const std::string& name);

class KivetProcess {
public:
    KivetProcess() = default;
    ~KivetProcess();
    KivetProcess(const KivetProcess&) = delete;
    KivetProcess& operator=(const KivetProcess&) = delete;

    bool Start(const std::string& folder, const std::string& args);
    // Waits for the process to end; false on time-out.
    bool WaitExit(DWORD ms, DWORD* exitCode = nullptr);
    bool Running() const;
    // Waits until the program waits for input in its message loop.
    bool WaitIdle(DWORD ms);
    DWORD Id() const { return info_.dwProcessId; }
    void Kill();

private:
    PROCESS_INFORMATION info_{};
};

// Polls `find` every 50 ms until it returns a window or the time runs out.
HWND WaitFor(const std::function<HWND()>& find, DWORD ms = 15000);
bool WaitUntil(const std::function<bool()>& done, DWORD ms = 15000);

// The program's hidden frame window (class "Kivet Secure Messenger").
HWND FindFrame();
std::vector<HWND> FindFrames();
// The main window: a dialog owned by the frame.
HWND FindMainDialog();
// A message box (top-level dialog) of the given process with the given caption.
HWND FindMessageBox(DWORD processId, const std::string& caption);
// The texts of the box's static controls, joined by newlines.
std::string MessageBoxText(HWND box);
// Presses a button of a box (IDOK, IDYES, IDNO ...).
void PressButton(HWND box, int id);

// Starts kivetsec and waits for its main window; answers nothing.
bool StartAndWaitForMainWindow(KivetProcess& process, const std::string& folder, const std::string& args);
// Sends Exit to the running program, answers the quit question (and the unread-messages
// question when it comes) with Yes and waits for the end.
bool ExitProgram(KivetProcess& process);

std::string ReadTextFile(const std::string& path);
void WriteTextFile(const std::string& path, const std::string& text);
// The ACTION texts of an action log, in order.
std::vector<std::string> LogActions(const std::string& logText);

std::string LogonName();
// Removes everything the program keeps in the registry, so tests start alike.
void ResetProgramRegistry();
std::string ReadRegistryString(HKEY root, const std::string& key, const std::string& name);
bool RegistryKeyExists(HKEY root, const std::string& key);

} // namespace kivet::wine
