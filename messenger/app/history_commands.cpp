#include "messenger/app/history_commands.h"

#include <shellapi.h>

#include "messenger/runtime/settings.h"

namespace kivet {
namespace {

std::string HistoryFolder(const Application& app)
{
    return app.files.programDirectory + "History\\";
}

std::string HistoryFile(const Application& app)
{
    std::string file = HistoryFolder(app) + HistoryFileName(app.files.logonName);
    return GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES ? HistoryFolder(app) + "empty.html" : file;
}

void OpenWithShell(HWND owner, const char* verb, const std::string& target)
{
    ShellExecuteA(owner, verb, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace

// History.exe from the program folder, or the history file itself when it cannot start.
void ViewHistory(Application& app)
{
    HWND owner = app.MainDialog();
    const std::string& folder = app.files.programDirectory;
    std::string viewer = folder + "History.exe";
    if (reinterpret_cast<INT_PTR>(
            ShellExecuteA(owner, "open", viewer.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL)) > 32)
        return;
    OpenWithShell(owner, "open", HistoryFile(app));
}

void ClearHistoryFile(Application& app)
{
    DeleteFileA((HistoryFolder(app) + HistoryFileName(app.files.logonName)).c_str());
}

void PrintHistory(Application& app)
{
    OpenWithShell(app.MainDialog(), "print", HistoryFolder(app) + HistoryFileName(app.files.logonName));
}

} // namespace kivet
