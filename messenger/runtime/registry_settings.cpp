#include "messenger/runtime/registry_settings.h"

namespace kivet {

const char kProgramKey[] = "Software\\Ostrel\\Kivet Secure Messenger";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValue[] = "Kivet Secure Messenger";
const char kSoundEventKey[] = "AppEvents\\Schemes\\Apps\\Kivet Secure Messenger";
const char kSoundCurrentKey[] = "AppEvents\\Schemes\\Apps\\Kivet Secure Messenger\\Incoming message\\.Current";
const char kVerbKey[] = "Network\\Shell\\Message...";
const char kVerbCommandKey[] = "Network\\Shell\\Message...\\Command";

namespace {

const RegRoot kUser = RegRoot::CurrentUser;
const char* const kProgramSubkeys[] = {"Transfer", "QuickList", "IgnoreList", "NetworkGroups",
                                       "Answers",  "MyGroups",  "AutoReplies"};

std::string Cut(const std::string& s, std::size_t chars)
{
    return s.size() > chars ? s.substr(0, chars) : s;
}

// A program path in a command line: quoted, so that a folder with blanks starts the right file.
std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

std::string ReadProgramString(RegistryStore& reg, const char* name, std::size_t bufferBytes)
{
    std::string value;
    if (!reg.GetString(kUser, kProgramKey, name, bufferBytes, value)) return std::string();
    return value;
}

void WritePair(RegistryStore& reg, const char* nameA, int32_t a, const char* nameB, int32_t b)
{
    reg.SetNumber(kUser, kProgramKey, nameA, static_cast<uint32_t>(a));
    reg.SetNumber(kUser, kProgramKey, nameB, static_cast<uint32_t>(b));
}

bool ReadPair(RegistryStore& reg, const char* nameA, int32_t& a, const char* nameB, int32_t& b)
{
    uint32_t va = 0, vb = 0;
    if (!reg.GetNumber(kUser, kProgramKey, nameA, va) || !reg.GetNumber(kUser, kProgramKey, nameB, vb)) return false;
    a = static_cast<int32_t>(va);
    b = static_cast<int32_t>(vb);
    return true;
}

WindowPlacement LoadPlacement(RegistryStore& reg, const char* x, const char* y, const char* w, const char* h)
{
    WindowPlacement p;
    p.hasPosition = ReadPair(reg, x, p.x, y, p.y);
    p.hasSize = ReadPair(reg, w, p.width, h, p.height);
    return p;
}

} // namespace

void InitRegistry(RegistryStore& reg, const std::string& programPath)
{
    reg.CreateKey(kUser, kProgramKey);
    reg.SetString(kUser, kProgramKey, "Location", Cut(programPath, 259));
    for (const char* sub : kProgramSubkeys)
        reg.CreateKey(kUser, std::string(kProgramKey) + "\\" + sub);
}

void SaveMainWindowPlacement(RegistryStore& reg, int32_t x, int32_t y, int32_t width, int32_t height)
{
    WritePair(reg, "DesktopX", x, "DesktopY", y);
    WritePair(reg, "MainDialogWidth", width, "MainDialogHeight", height);
}

WindowPlacement LoadMainWindowPlacement(RegistryStore& reg)
{
    return LoadPlacement(reg, "DesktopX", "DesktopY", "MainDialogWidth", "MainDialogHeight");
}

void SaveSendDialogPlacement(RegistryStore& reg, int32_t x, int32_t y, int32_t width, int32_t height)
{
    WritePair(reg, "SendDesktopX", x, "SendDesktopY", y);
    WritePair(reg, "SendDialogWidth", width, "SendDialogHeight", height);
}

WindowPlacement LoadSendDialogPlacement(RegistryStore& reg)
{
    return LoadPlacement(reg, "SendDesktopX", "SendDesktopY", "SendDialogWidth", "SendDialogHeight");
}

std::string ReadContextMenu(RegistryStore& reg)
{
    return ReadProgramString(reg, "ContextMenu", 20);
}
void WriteContextMenu(RegistryStore& reg, const std::string& name)
{
    reg.SetString(kUser, kProgramKey, "ContextMenu", Cut(name, 19));
}

std::string ReadCurrentAutoAnswer(RegistryStore& reg)
{
    return ReadProgramString(reg, "CurrentAutoAnswer", 255);
}
void WriteCurrentAutoAnswer(RegistryStore& reg, const std::string& text)
{
    reg.SetString(kUser, kProgramKey, "CurrentAutoanswer", Cut(text, 254));
}

uint32_t ReadScanDelay(RegistryStore& reg)
{
    uint32_t minutes = 0;
    return reg.GetNumber(kUser, kProgramKey, "ScanDelay", minutes) ? minutes : 15;
}
void WriteScanDelay(RegistryStore& reg, uint32_t minutes)
{
    reg.SetNumber(kUser, kProgramKey, "ScanDelay", minutes);
}

std::string ReadGeneralHotKey(RegistryStore& reg)
{
    std::string letter = ReadStoredHotKey(reg);
    return letter.empty() ? "B" : letter;
}
std::string ReadStoredHotKey(RegistryStore& reg)
{
    return ReadProgramString(reg, "GeneralHotKey", 2);
}
void WriteGeneralHotKey(RegistryStore& reg, const std::string& letter)
{
    reg.SetString(kUser, kProgramKey, "GeneralHotKey", Cut(letter, 1));
}
uint32_t HotKeyVirtualKey(const std::string& letter)
{
    return letter.empty() ? 0u : static_cast<uint32_t>(static_cast<unsigned char>(letter[0]) & 0x7F);
}
uint32_t MainWindowHotKey(bool useHotkey, const std::string& storedLetter)
{
    return useHotkey ? HotKeyVirtualKey(storedLetter) : 0u;
}

std::string ReadServer(RegistryStore& reg)
{
    return ReadProgramString(reg, "Server", 16);
}
void WriteServer(RegistryStore& reg, const std::string& server)
{
    reg.SetString(kUser, kProgramKey, "Server", Cut(server, 15));
}

std::string ReadLastHistoryTime(RegistryStore& reg)
{
    std::string time = ReadProgramString(reg, "LastHistoryTime", 16);
    return time.substr(0, time.find('\0'));
}
// Stored as 16 bytes: the date text, then zero bytes up to 15 characters, then the terminator.
void WriteLastHistoryTime(RegistryStore& reg, const std::string& time)
{
    std::string padded = Cut(time, 15);
    padded.resize(15, '\0');
    reg.SetString(kUser, kProgramKey, "LastHistoryTime", padded);
}

std::string ReadSaveFolder(RegistryStore& reg)
{
    std::string folder;
    reg.GetString(kUser, std::string(kProgramKey) + "\\Transfer", "SaveFolder", 260, folder);
    return folder;
}
void WriteSaveFolder(RegistryStore& reg, const std::string& folder)
{
    reg.SetString(kUser, std::string(kProgramKey) + "\\Transfer", "SaveFolder", Cut(folder, 259));
}

void ApplyRunAtStartup(RegistryStore& reg, bool on, const std::string& programPath)
{
    if (on) {
        reg.CreateKey(kUser, kRunKey);
        reg.SetString(kUser, kRunKey, kRunValue, Cut(Quoted(programPath), 259));
    } else {
        reg.DeleteValue(kUser, kRunKey, kRunValue);
    }
}

std::string ApplySoundEvent(RegistryStore& reg, bool on, const std::string& windowsFolder)
{
    if (!on) {
        reg.CreateKey(kUser, kSoundCurrentKey);
        reg.SetString(kUser, kSoundCurrentKey, "", "");
        return std::string();
    }
    std::string path;
    if (reg.KeyExists(kUser, kSoundEventKey)) {
        reg.GetString(kUser, kSoundCurrentKey, "", 260, path);
        return path;
    }
    path = Cut(windowsFolder + "/Media/Ding.wav", 259);
    reg.CreateKey(kUser, kSoundEventKey);
    reg.SetString(kUser, kSoundEventKey, "", "Kivet Secure Messenger");
    reg.CreateKey(kUser, kSoundCurrentKey);
    reg.SetString(kUser, kSoundCurrentKey, "", path);
    return path;
}

void ApplyContextMenuVerb(RegistryStore& reg, bool on, const std::string& programPath)
{
    if (!on) {
        RemoveContextMenuVerb(reg);
        return;
    }
    reg.CreateKey(RegRoot::ClassesRoot, kVerbCommandKey);
    reg.SetString(RegRoot::ClassesRoot, kVerbCommandKey, "", Cut(Quoted(programPath) + " /e %1", 259));
}

void RemoveContextMenuVerb(RegistryStore& reg)
{
    reg.DeleteKey(RegRoot::ClassesRoot, kVerbCommandKey);
    reg.DeleteKey(RegRoot::ClassesRoot, kVerbKey);
}

} // namespace kivet
