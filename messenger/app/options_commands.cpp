#include "messenger/app/options_commands.h"

#include "common/win32/win32_codec.h"
#include "messenger/app/apply_settings.h"
#include "messenger/app/history_commands.h"
#include "messenger/options/win32/options_sheet.h"
#include "messenger/runtime/action_log.h"
#include "messenger/runtime/win32/ini_file_win32.h"
#include "messenger/runtime/win32/registry_store_win32.h"

namespace kivet {
namespace {

// The sheet's History page clears the history through the program's history log.
class ProgramOptionsServices : public OptionsServices {
public:
    explicit ProgramOptionsServices(Application& app) : app_(app) {}
    void ClearHistory() override { ClearHistoryFile(app_); }

private:
    Application& app_;
};

} // namespace

bool RunOptionsCommand(Application& app, WORD command)
{
    std::optional<OptionsEntry> entry = OptionsEntryOfCommand(command);
    if (!entry || !app.lists) return false;
    WriteAction("Open preferences window...");
    Win32Registry registry;
    ProfileIniFile ini(app.files.iniPath);
    ProgramOptionsServices services(app);
    OptionsContext context{app.settings, registry, ini, app.lists->lists, SystemCodec(), services};
    OptionsResult result;
    {
        ModalScope modal(*app.mainWindow);
        result = ShowOptionsSheet(app.MainDialog(), FirstPageFor(*entry), context);
    }
    WriteAction("Open preferences window complete.");
    // A session end that came while the sheet was open has shut everything down already.
    if (!app.ShuttingDown() && ReapplyAfterOptions(*entry, result)) ApplySettings(app);
    return true;
}

} // namespace kivet
