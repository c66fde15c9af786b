#include "tests/wine/driver/kivet_driver.h"

#include <shlwapi.h>

#include <fstream>
#include <sstream>

namespace kivet::wine {
namespace {

const char kClassName[] = "Kivet Secure Messenger";

struct FindBox {
    DWORD processId;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK FindBoxProc(HWND hwnd, LPARAM param)
{
    auto* find = reinterpret_cast<FindBox*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[64] = {}, title[256] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, title, sizeof title);
    if (pid == find->processId && std::string(cls) == "#32770" && *find->caption == title && IsWindowVisible(hwnd)) {
        find->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectFrames(HWND hwnd, LPARAM param)
{
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) == kClassName) reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

struct FindOwned {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedDialog(HWND hwnd, LPARAM param)
{
    auto* find = reinterpret_cast<FindOwned*>(param);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) == "#32770" && GetWindow(hwnd, GW_OWNER) == find->owner) {
        find->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND hwnd, LPARAM param)
{
    char cls[64] = {}, text[2048] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") != 0) return TRUE;
    GetWindowTextA(hwnd, text, sizeof text);
    if (!*text) return TRUE;
    auto* out = reinterpret_cast<std::string*>(param);
    if (!out->empty()) *out += "\n";
    *out += text;
    return TRUE;
}

void DeleteTree(HKEY root, const char* key)
{
    SHDeleteKeyA(root, key);
}

// regsvr32 for the component in the folder; false when it failed or did not end within a minute.
bool RegisterComponent(const std::string& folder, const std::string& file)
{
    return RunAndWait("regsvr32 /s \"" + folder + "\\" + file + "\"", folder) == 0;
}

} // namespace

std::string BinFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string p = path;
    return p.substr(0, p.rfind('\\') + 1);
}

int RunAndWait(const std::string& commandLine, const std::string& folder, DWORD ms)
{
    std::string line = commandLine;
    std::string where = folder.empty() ? BinFolder() : folder;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, where.c_str(), &startup, &info))
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(info.hProcess, ms) == WAIT_OBJECT_0)
        GetExitCodeProcess(info.hProcess, &code);
    else
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return static_cast<int>(code);
}

std::string MakeProgramFolder(const std::string& name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    std::string base = std::string(temp) + "kivet-tests";
    CreateDirectoryA(base.c_str(), nullptr);
    std::string folder = base + "\\" + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((folder + "\\" + data.cFileName).c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    CopyFileA((BinFolder() + "kivetsec.exe").c_str(), (folder + "\\kivetsec.exe").c_str(), FALSE);
    CopyFileA((BinFolder() + "Secure.dll").c_str(), (folder + "\\Secure.dll").c_str(), FALSE);
    RegisterComponent(folder, "Secure.dll");
    return folder;
}

KivetProcess::~KivetProcess()
{
    if (Running()) Kill();
    if (info_.hProcess) CloseHandle(info_.hProcess);
    if (info_.hThread) CloseHandle(info_.hThread);
}

bool KivetProcess::Start(const std::string& folder, const std::string& args)
{
    std::string line = "\"" + folder + "\\kivetsec.exe\"" + (args.empty() ? "" : " " + args);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info_) !=
           FALSE;
}

bool KivetProcess::WaitExit(DWORD ms, DWORD* exitCode)
{
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(info_.hProcess, exitCode);
    return true;
}

bool KivetProcess::WaitIdle(DWORD ms)
{
    return info_.hProcess && WaitForInputIdle(info_.hProcess, ms) == 0;
}

bool KivetProcess::Running() const
{
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

void KivetProcess::Kill()
{
    if (!info_.hProcess) return;
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
}

HWND WaitFor(const std::function<HWND()>& find, DWORD ms)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND hwnd = find()) return hwnd;
        if (GetTickCount() - start > ms) return nullptr;
        Sleep(50);
    }
}

bool WaitUntil(const std::function<bool()>& done, DWORD ms)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start > ms) return false;
        Sleep(50);
    }
}

HWND FindFrame()
{
    return FindWindowA(kClassName, nullptr);
}

std::vector<HWND> FindFrames()
{
    std::vector<HWND> frames;
    EnumWindows(CollectFrames, reinterpret_cast<LPARAM>(&frames));
    return frames;
}

HWND FindMainDialog()
{
    FindOwned find{FindFrame(), nullptr};
    if (!find.owner) return nullptr;
    EnumWindows(FindOwnedDialog, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

HWND FindMessageBox(DWORD processId, const std::string& caption)
{
    FindBox find{processId, &caption, nullptr};
    EnumWindows(FindBoxProc, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

std::string MessageBoxText(HWND box)
{
    std::string text;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

void PressButton(HWND box, int id)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

bool StartAndWaitForMainWindow(KivetProcess& process, const std::string& folder, const std::string& args)
{
    if (!process.Start(folder, args) || !WaitFor(FindMainDialog)) return false;
    // The window exists before its initialisation has run; wait until the program idles in its
    // message loop.
    return process.WaitIdle(15000);
}

bool ExitProgram(KivetProcess& process)
{
    HWND main = FindMainDialog();
    if (!main) return false;
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(105, 0), 0);
    HWND box = WaitFor([&] { return FindMessageBox(process.Id(), "Closing Kivet Secure Messenger"); });
    if (!box) return false;
    PressButton(box, IDYES);
    // With unread messages a second question follows.
    for (int i = 0; i < 20 && process.Running(); ++i) {
        if (HWND unread = FindMessageBox(process.Id(), "Deleting messages")) PressButton(unread, IDYES);
        if (process.WaitExit(250)) return true;
    }
    return process.WaitExit(15000);
}

std::string ReadTextFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteTextFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::vector<std::string> LogActions(const std::string& logText)
{
    std::vector<std::string> actions;
    std::size_t pos = 0;
    while ((pos = logText.find("ACTION: ", pos)) != std::string::npos) {
        pos += 8;
        std::size_t end = logText.find("\r\n", pos);
        actions.push_back(logText.substr(pos, end - pos));
        pos = end;
    }
    return actions;
}

std::string LogonName()
{
    char name[256] = {};
    DWORD size = sizeof name;
    GetUserNameA(name, &size);
    return name;
}

void ResetProgramRegistry()
{
    DeleteTree(HKEY_CURRENT_USER, "Software\\Ostrel");
    DeleteTree(HKEY_CLASSES_ROOT, "Network\\Shell\\Message...");
    HKEY run;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_WRITE, &run) ==
        ERROR_SUCCESS) {
        RegDeleteValueA(run, "Kivet Secure Messenger");
        RegCloseKey(run);
    }
}

std::string ReadRegistryString(HKEY root, const std::string& key, const std::string& name)
{
    char buf[1024] = {};
    DWORD size = sizeof buf - 1, type = 0;
    HKEY k;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return "<missing>";
    LONG rc =
        RegQueryValueExA(k, name.empty() ? nullptr : name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
    RegCloseKey(k);
    return rc == ERROR_SUCCESS && type == REG_SZ ? std::string(buf) : std::string("<missing>");
}

bool RegistryKeyExists(HKEY root, const std::string& key)
{
    HKEY k;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}

} // namespace kivet::wine
