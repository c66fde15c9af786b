// A small program that opens the Options sheet as the messenger does, over the real registry and
// the per-user INI file in its own folder, so that a test can drive the sheet from outside.
//   options_host.exe [command]   command: 32782 (Options, the default), 500 or 600
// When the sheet closes it writes "options_result.txt": confirmed, changed and reapply, one per
// line as name=0/1. "&Clear current history..." appends a line to "history_cleared.txt".
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "messenger/lists/personal_lists.h"
#include "messenger/options/options_context.h"
#include "messenger/options/options_pages.h"
#include "messenger/options/win32/options_sheet.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/win32/ini_file_win32.h"
#include "messenger/runtime/win32/language_pack_loader.h"
#include "messenger/runtime/win32/program_folder.h"
#include "messenger/runtime/win32/registry_store_win32.h"

namespace {

void AppendLine(const std::string& path, const std::string& line)
{
    if (FILE* out = std::fopen(path.c_str(), "ab")) {
        std::fprintf(out, "%s\n", line.c_str());
        std::fclose(out);
    }
}

class HostServices : public kivet::OptionsServices {
public:
    void ClearHistory() override { AppendLine(kivet::ProgramFolder() + "history_cleared.txt", "cleared"); }
};

std::string LogonName()
{
    char name[256] = {};
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

void WriteResult(const kivet::OptionsResult& result, kivet::OptionsEntry entry)
{
    std::string path = kivet::ProgramFolder() + "options_result.txt";
    DeleteFileA(path.c_str());
    AppendLine(path, std::string("confirmed=") + (result.confirmed ? "1" : "0"));
    AppendLine(path, std::string("changed=") + (result.settingsChanged ? "1" : "0"));
    AppendLine(path, std::string("reapply=") + (kivet::ReapplyAfterOptions(entry, result) ? "1" : "0"));
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr);

    uint32_t command = arguments && *arguments ? static_cast<uint32_t>(std::strtoul(arguments, nullptr, 10)) : 32782;
    std::optional<kivet::OptionsEntry> entry = kivet::OptionsEntryOfCommand(command);
    if (!entry) return 2;

    kivet::Win32Registry registry;
    kivet::InitRegistry(registry, ProgramPath());
    kivet::ProfileIniFile ini(kivet::ProgramFolder() + kivet::IniFileName(LogonName()));
    kivet::Settings settings;
    kivet::LoadIniSettings(ini, settings);
    // As applying the settings does at start-up: the stored language, English when it fails.
    if (!kivet::LoadLanguagePack(nullptr, settings.Language)) settings.Language = 0;

    kivet::PersonalLists lists(registry, kivet::AsciiCodec());
    lists.LoadAtStartup();
    HostServices services;
    kivet::OptionsContext context{settings, registry, ini, lists, kivet::AsciiCodec(), services};

    kivet::OptionsResult result = kivet::ShowOptionsSheet(nullptr, kivet::FirstPageFor(*entry), context);
    WriteResult(result, *entry);
    OleUninitialize();
    return 0;
}
