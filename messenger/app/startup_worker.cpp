#include "messenger/app/startup_worker.h"

#include "common/win32/win32_codec.h"
#include "messenger/app/logon_name.h"
#include "messenger/browser/win32/win32_local_system.h"
#include "messenger/netbios/program_names.h"
#include "messenger/netbios/win32/system_names.h"
#include "messenger/lists/list_names.h"
#include "messenger/lists/name_list.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/win32/ini_file_win32.h"
#include "messenger/runtime/win32/registry_store_win32.h"

namespace kivet {
namespace {

// What the worker needs before the frame window has loaded the settings and the lists: AutoScan
// from the user's settings file and the Quick List from the registry, read as they are on disk.
struct WorkerInput {
    Application* app;
    bool autoScan;
    std::vector<std::string> quickList;
};

DWORD WINAPI StartupWorkerMain(LPVOID parameter)
{
    // The OS family is already known: the main thread determines it before starting this worker,
    // because the main window's mailbox set-up reads it.
    std::unique_ptr<WorkerInput> input(static_cast<WorkerInput*>(parameter));
    RegisterOwnNames(*input->app);
    if (NetworkBrowser* browser = input->app->browser.get()) browser->RunStartupWork(input->autoScan, input->quickList);
    return 0;
}

bool StoredAutoScan(const Application& app)
{
    Settings settings;
    ProfileIniFile ini(app.files.programDirectory + IniFileName(SystemLogonName()));
    LoadIniSettings(ini, settings);
    return settings.AutoScan != 0;
}

std::vector<std::string> StoredQuickList()
{
    Win32Registry registry;
    NameList quick(registry, "QuickList", SystemCodec());
    quick.Load();
    return quick.Entries();
}

} // namespace

// Our NetBIOS holds the names Windows registers for a workstation (the workgroup among them, which
// the local names are then read back from); they are registered side by side, in one wait.
void RegisterOwnNames(Application& app)
{
    if (!app.ownNetBios) return;
    Win32LocalSystem system;
    const std::string computer = SystemCodec().Upper(system.ComputerName());
    const std::string user = SystemCodec().Upper(system.LogonName());
    app.ownNetBios->AddNames(nbt::ProgramNames(computer, user, nbt::SystemWorkgroupName(computer)));
}

HANDLE StartStartupWorker(Application& app)
{
    auto* input = new WorkerInput{&app, StoredAutoScan(app), StoredQuickList()};
    DWORD id = 0;
    HANDLE worker = CreateThread(nullptr, 0, StartupWorkerMain, input, 0, &id);
    if (!worker) delete input;
    return worker;
}

} // namespace kivet
