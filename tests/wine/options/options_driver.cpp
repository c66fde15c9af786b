#include "tests/wine/options/options_driver.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace kivet::wine {
namespace {

const char kProgramKey[] = "Software\\Ostrel\\Kivet Secure Messenger";

struct DialogSearch {
    DWORD processId;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK FindDialogProc(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search->processId && owner != search->processId) return TRUE;
    if (!IsWindowVisible(window)) return TRUE;
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (std::string(cls) != "#32770" || WindowText(window) != *search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM param)
{
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") != 0) return TRUE;
    std::string text = WindowText(child);
    if (text.empty()) return TRUE;
    auto* all = reinterpret_cast<std::string*>(param);
    if (!all->empty()) *all += "\n";
    *all += text;
    return TRUE;
}

} // namespace

std::string FreshFolder(const std::string& name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    std::string base = std::string(temp) + "kivet-options-tests";
    CreateDirectoryA(base.c_str(), nullptr);
    std::string folder = base + "\\" + name;
    std::string doubleNul = folder + std::string(2, '\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = doubleNul.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

bool CopyInto(const std::string& from, const std::string& folder, const std::string& asName)
{
    return CopyFileA(from.c_str(), (folder + asName).c_str(), FALSE) != FALSE;
}

HostProcess::~HostProcess()
{
    if (info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    if (info_.hProcess) CloseHandle(info_.hProcess);
    if (info_.hThread) CloseHandle(info_.hThread);
}

bool HostProcess::Start(const std::string& folder, const std::string& program, const std::string& args)
{
    std::string line = "\"" + folder + program + "\"" + (args.empty() ? "" : " " + args);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info_) !=
           FALSE;
}

bool HostProcess::WaitExit(DWORD ms)
{
    return info_.hProcess && WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0;
}

HWND FindDialog(DWORD processId, const std::string& caption)
{
    DialogSearch search{processId, &caption, nullptr};
    EnumWindows(FindDialogProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window)
{
    char text[1024] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

std::string StaticTexts(HWND dialog)
{
    std::string all;
    EnumChildWindows(dialog, CollectStatic, reinterpret_cast<LPARAM>(&all));
    return all;
}

RemoteMemory::RemoteMemory(HANDLE process, std::size_t size)
    : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))
{
}

RemoteMemory::~RemoteMemory()
{
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

bool RemoteMemory::Write(const void* data, std::size_t size, std::size_t offset)
{
    SIZE_T done = 0;
    return address_ && WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &done) &&
           done == size;
}

bool RemoteMemory::Read(void* data, std::size_t size, std::size_t offset)
{
    SIZE_T done = 0;
    return address_ && ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &done) &&
           done == size;
}

std::string ProgramValue(const std::string& subkey, const std::string& name)
{
    std::string key = subkey.empty() ? std::string(kProgramKey) : std::string(kProgramKey) + "\\" + subkey;
    char data[1024] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    if (SHGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), &type, data, &size) != ERROR_SUCCESS)
        return "<missing>";
    if (type == REG_DWORD) return std::to_string(*reinterpret_cast<DWORD*>(data));
    return data;
}

std::vector<std::string> ProgramValueNames(const std::string& subkey)
{
    std::vector<std::string> names;
    HKEY key;
    std::string path = std::string(kProgramKey) + "\\" + subkey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    for (DWORD i = 0;; ++i) {
        char name[256] = {};
        DWORD size = sizeof name;
        if (RegEnumValueA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.push_back(name);
    }
    RegCloseKey(key);
    return names;
}

std::string IniValue(const std::string& iniPath, const char* section, const char* key)
{
    char value[64] = {};
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, iniPath.c_str());
    return value;
}

std::string IniPathIn(const std::string& folder)
{
    char name[256] = {};
    DWORD size = sizeof name;
    GetUserNameA(name, &size);
    return folder + (name[0] ? std::string(name) + ".ini" : std::string("kivetsec.ini"));
}

struct BoxAnswerer::State {
    std::vector<std::string> captions;
    std::vector<std::string> seen;
    std::mutex lock;
    std::atomic<bool> stop{false};
    std::thread watcher;
};

BoxAnswerer::BoxAnswerer(std::vector<std::string> captions) : state_(new State)
{
    state_->captions = std::move(captions);
    state_->watcher = std::thread([s = state_] {
        while (!s->stop) {
            for (const std::string& caption : s->captions) {
                HWND box = FindDialog(GetCurrentProcessId(), caption);
                if (!box) continue;
                {
                    std::lock_guard<std::mutex> guard(s->lock);
                    s->seen.push_back(caption + "|" + StaticTexts(box));
                }
                PressButton(box, IDOK);
                WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000);
            }
            Sleep(30);
        }
    });
}

BoxAnswerer::~BoxAnswerer()
{
    state_->stop = true;
    state_->watcher.join();
    delete state_;
}

std::vector<std::string> BoxAnswerer::Seen()
{
    std::lock_guard<std::mutex> guard(state_->lock);
    return state_->seen;
}

} // namespace kivet::wine
