#include "messenger/app/startup_host.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "common/win32/win32_codec.h"
#include "messenger/browser/win32/system_netbios.h"
#include "messenger/browser/win32/win32_host_lookup.h"
#include "messenger/browser/win32/win32_local_system.h"
#include "messenger/browser/win32/win32_network_provider.h"
#include "messenger/netbios/win32/netbios_choice.h"
#include "messenger/netbios/wins_server_setting.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/action_log.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/command_line.h"
#include "messenger/app/frame_window.h"
#include "messenger/app/logon_name.h"
#include "messenger/app/sending.h"
#include "messenger/app/startup_worker.h"
#include "messenger/runtime/win32/message_box_win32.h"

namespace kivet {
namespace {

constexpr UINT kInstanceReplyMs = 30000;

// Lets the running instance bring its window to the front when this start asks it to; the call
// exists from Windows 98 and 2000 on, so it is looked up at run time.
void AllowToComeForward(HWND running)
{
    using AllowFn = BOOL(WINAPI*)(DWORD);
    HMODULE user = GetModuleHandleA("user32.dll");
    auto allow =
        user ? reinterpret_cast<AllowFn>(reinterpret_cast<void*>(GetProcAddress(user, "AllowSetForegroundWindow")))
             : nullptr;
    DWORD processId = 0;
    GetWindowThreadProcessId(running, &processId);
    if (allow && processId) allow(processId);
}

} // namespace

void Win32StartupHost::InitCommonControlsAndOle()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr);
}

void Win32StartupHost::LoadStartupStrings()
{
    ProgramFiles& p = app_.files;
    LoadStringA(p.instance, IDS_APP_TITLE, p.className, sizeof p.className);
    LoadStringA(p.instance, IDS_NO_NETWORK, p.noNetworkText, sizeof p.noNetworkText);
}

std::string Win32StartupHost::StartupString(unsigned id)
{
    return id == IDS_NO_NETWORK ? app_.files.noNetworkText : app_.files.className;
}

bool Win32StartupHost::NetworkPresent()
{
    return GetSystemMetrics(SM_NETWORK) != 0;
}

BoxAnswer Win32StartupHost::ShowBox(const BoxSpec& box)
{
    return ShowMessageBox(nullptr, box);
}

std::string Win32StartupHost::ProgramDirectory()
{
    ProgramFiles& p = app_.files;
    if (p.programDirectory.empty()) {
        char path[MAX_PATH] = {};
        DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
        p.programPath.assign(path, n < sizeof path ? n : 0);
        std::string::size_type slash = p.programPath.rfind('\\');
        p.programDirectory = slash == std::string::npos ? std::string() : p.programPath.substr(0, slash + 1);
    }
    return p.programDirectory;
}

std::string Win32StartupHost::CommandArguments()
{
    ProgramDirectory();
    return std::string(SkipProgramName(GetCommandLineA(), app_.files.programPath));
}

bool Win32StartupHost::SendToRunningInstance(unsigned message, unsigned wParam)
{
    HWND running = FindWindowA(app_.files.className, nullptr);
    if (!running) return false;
    AllowToComeForward(running);
    // A hung instance must not hang this one too.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(running, message, wParam, 0, SMTO_ABORTIFHUNG, kInstanceReplyMs, &ignored);
    return true;
}

// Windows Sockets 1.1 first, then the browser over the system's NetBIOS, network provider and host
// look-ups.
namespace {

// Generous for a dotted address, so that a longer value is refused whole instead of being cut
// into one that parses.
constexpr std::size_t kWinsServerBytes = 64;

// Our NetBIOS's settings: the WINS server from the program's registry key when one is set there
// (the action log says which, or why a value was not used).
nbt::OwnNetBiosSettings OwnNetBiosSettingsFrom(RegistryStore& registry)
{
    nbt::OwnNetBiosSettings settings;
    std::string text;
    if (!registry.GetString(RegRoot::CurrentUser, kProgramKey, nbt::kWinsServerValue, kWinsServerBytes, text))
        return settings;
    if (const std::optional<uint32_t> server = nbt::ParseWinsServer(text)) {
        settings.winsServer = *server;
        WriteAction("NetBIOS over TCP/IP asks the WINS server " + text + " first");
    } else {
        WriteAction("NetBIOS over TCP/IP: the WINS server value is not an IPv4 address; broadcast only");
    }
    return settings;
}

// The browser's NetBIOS and network provider: ours while it runs, else the system's.
void UseOwnNetBiosWhereChosen(Application& app, BrowserSeams& seams)
{
    const nbt::NetBiosChoice choice = nbt::ChooseNetBios();
    WriteAction(nbt::NetBiosChoiceText(choice));
    if (choice == nbt::NetBiosChoice::System) return;
    auto own = std::make_unique<nbt::OwnNetBios>();
    const nbt::OwnNetBiosStart result = own->Start(OwnNetBiosSettingsFrom(app.registry));
    WriteAction(nbt::DescribeStart(result, *own));
    if (result != nbt::OwnNetBiosStart::Started) return; // messages still reach this computer
    // The service lives in the application; the browser only borrows its seams.
    seams.netbios = std::shared_ptr<NetBios>(own->Commands(), [](NetBios*) {});
    seams.provider = std::shared_ptr<NetworkProvider>(own->Provider(), [](NetworkProvider*) {});
    app.ownNetBios = std::move(own);
}

} // namespace

void Win32StartupHost::CreateNetworkState()
{
    app_.sockets = std::make_unique<SocketsSession>();
    BrowserSeams seams;
    seams.netbios = SystemNetBios();
    seams.provider = std::make_shared<Win32NetworkProvider>();
    UseOwnNetBiosWhereChosen(app_, seams);
    seams.hosts = std::make_shared<Win32HostLookup>();
    seams.system = std::make_shared<Win32LocalSystem>();
    seams.codec = &SystemCodec();
    seams.log = &ProcessActionLog();
    seams.clock = LocalTimeNow;
    seams.probeMessenger = [this](std::string_view computer) { return app_.secure.ProbeSecureServer(computer); };
    app_.browser = std::make_unique<NetworkBrowser>(std::move(seams), BrowserPlatformFor(QueryOsVersion()));
}

void Win32StartupHost::DestroyNetworkState()
{
    app_.browser.reset();
    if (app_.ownNetBios) app_.ownNetBios->Stop();
    app_.ownNetBios.reset();
    app_.sockets.reset();
}

bool Win32StartupHost::EnumerateAdapters()
{
    return app_.browser->EnumerateAdapters();
}

// Send mode: the local names (and their registration), without a scan. Our NetBIOS is given the
// workstation's names first, as for a normal start: without its workgroup names the local
// workgroup stays unknown and "/s WORKGROUP text" would find no such domain.
void Win32StartupHost::FillLocalNames()
{
    RegisterOwnNames(app_);
    app_.browser->RunStartupWork(true, {});
}

OsVersion Win32StartupHost::QueryOsVersion()
{
    OSVERSIONINFOEXA extended{};
    extended.dwOSVersionInfoSize = sizeof extended;
    if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended)))
        return {true, extended.dwPlatformId, extended.dwMajorVersion, extended.dwMinorVersion};
    OSVERSIONINFOA basic{};
    basic.dwOSVersionInfoSize = sizeof basic;
    if (GetVersionExA(&basic)) return {true, basic.dwPlatformId, basic.dwMajorVersion, basic.dwMinorVersion};
    return {};
}

void Win32StartupHost::StartStartupWorker()
{
    app_.threads.startupWorker = kivet::StartStartupWorker(app_);
}

void Win32StartupHost::SendToRecipients(const std::vector<std::string>& recipients, const std::string& text)
{
    app_.files.logonName = SystemLogonName();
    RunCommandLineSend(app_, recipients, text);
}

bool Win32StartupHost::CreateFrameWindow()
{
    return kivet::CreateFrameWindow(app_);
}

int Win32StartupHost::RunMessageLoop()
{
    Application& a = app_;
    a.accelerators = LoadAcceleratorsA(a.files.instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        HWND main = a.MainDialog();
        if (main && a.accelerators && TranslateAcceleratorA(main, a.accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (a.frame) DestroyWindow(a.frame);
    return static_cast<int>(msg.wParam);
}

} // namespace kivet
