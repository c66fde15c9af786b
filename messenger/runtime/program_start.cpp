#include "messenger/runtime/program_start.h"

#include "messenger/messages.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/command_line.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/resources/resource.h"

namespace kivet {
namespace {

const char kProductCaption[] = "Kivet Secure Messenger";

int RunHandOver(StartupHost& host, RegistryStore& registry, const CommandLine& cl)
{
    WriteContextMenu(registry, ComputerFromNetworkPath(cl.name));
    host.SendToRunningInstance(kMsgOpenContextMenuSend, 0);
    return 0;
}

int RunSendMode(StartupHost& host, const CommandLine& cl)
{
    host.CreateNetworkState();
    if (host.EnumerateAdapters()) {
        host.FillLocalNames();
        host.SendToRecipients(SplitRecipients(cl.name), cl.text);
    }
    host.DestroyNetworkState();
    return 0;
}

// Step 5: returns true when the process ends here, with its exit code in `exitCode`.
bool DispatchCommandLine(StartupHost& host, ActionLog& log, RegistryStore& registry, int& exitCode)
{
    CommandLine cl = ParseCommandLine(host.CommandArguments());
    exitCode = 0;
    switch (ClassifyKey(cl)) {
    case CommandKey::None: return false;
    case CommandKey::Explorer: exitCode = RunHandOver(host, registry, cl); return true;
    case CommandKey::Send:
        if (!HasSendArguments(cl)) {
            host.ShowBox(NotEnoughParametersBox());
            return true;
        }
        exitCode = RunSendMode(host, cl);
        return true;
    case CommandKey::Log: log.Start(host.ProgramDirectory() + "\\kivetsec.log"); return false;
    case CommandKey::Help: host.ShowBox(CommandLineHelpBox()); return false;
    case CommandKey::Unknown: host.ShowBox(IncorrectParameterBox()); return true;
    }
    return false;
}

} // namespace

BoxSpec NotEnoughParametersBox()
{
    return {"Not enough parameters!\nType 'kivetsec.exe /?' to show all supported command line parameters.",
            kProductCaption, BoxButtons::Ok, BoxIcon::None};
}

BoxSpec IncorrectParameterBox()
{
    return {"Inorrect command line parameter.\nTo show all supported command line parameters run kivetsec.exe "
            "with the '/h' or '/?' keys.",
            kProductCaption, BoxButtons::Ok, BoxIcon::Exclamation};
}

BoxSpec CommandLineHelpBox()
{
    return {"The command line format is: kivetsec.exe [/key] [parameter1 parameter2 ...]\n\nCommand line keys "
            "are:\n'/s name text'\t\t- send message on specified computer name or workgroup\n'/?' or '/h'\t- "
            "show command line format window (this window)",
            kProductCaption, BoxButtons::Ok, BoxIcon::Information};
}

BoxSpec NoNetworkBox(const std::string& string185)
{
    return {string185, "Initialization", BoxButtons::Ok, BoxIcon::Stop};
}

int RunProgram(StartupHost& host, ActionLog& log, RegistryStore& registry)
{
    host.InitCommonControlsAndOle();
    host.LoadStartupStrings();
    if (!host.NetworkPresent()) {
        host.ShowBox(NoNetworkBox(host.StartupString(IDS_NO_NETWORK)));
        return 0;
    }
    host.ProgramDirectory(); // determined once here; every file the program owns lives there

    int exitCode = 0;
    if (DispatchCommandLine(host, log, registry, exitCode)) return exitCode;

    if (host.SendToRunningInstance(kSysCommandMessage, kRestoreCommand)) return 0;

    host.CreateNetworkState();
    log.Write("Enumerating network adapters...");
    if (!host.EnumerateAdapters()) {
        host.ShowBox(NoNetworkBox(host.StartupString(IDS_NO_NETWORK)));
        host.DestroyNetworkState();
        return 0;
    }
    log.Write("Enumerating complete.");

    SetCurrentOsFamily(OsFamilyFromVersion(host.QueryOsVersion()));
    host.StartStartupWorker();

    if (!host.CreateFrameWindow()) return 0;
    return host.RunMessageLoop();
}

} // namespace kivet
