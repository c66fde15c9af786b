#include "messenger/app/history_commands.h"

#include <shellapi.h>

namespace kivet {
namespace {

void OpenWithShell(HWND owner, const char* verb, const std::string& target)
{
    ShellExecuteA(owner, verb, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace

// History.exe from the program folder, or the history page itself when it cannot start.
void ViewHistory(Application& app)
{
    HWND owner = app.MainDialog();
    const std::string& folder = app.files.programDirectory;
    std::string viewer = folder + "History.exe";
    if (reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", viewer.c_str(), nullptr, folder.c_str(),
                                                SW_SHOWNORMAL)) > 32)
        return;
    if (app.history) OpenWithShell(owner, "open", app.history->ViewPath());
}

void ClearHistoryFile(Application& app)
{
    if (app.history) app.history->Clear();
}

void PrintHistory(Application& app)
{
    if (app.history) OpenWithShell(app.MainDialog(), "print", app.history->FilePath());
}

} // namespace kivet
