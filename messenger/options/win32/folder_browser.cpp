#include "messenger/options/win32/folder_browser.h"

#include <objbase.h>
#include <shlobj.h>

namespace kivet {
namespace {

// Opens the tree at the current folder.
int CALLBACK BrowseCallback(HWND browser, UINT msg, LPARAM, LPARAM start)
{
    if (msg == BFFM_INITIALIZED && start) SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, start);
    return 0;
}

} // namespace

std::optional<std::string> BrowseForFolder(HWND owner, const char* title, const std::string& start)
{
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = BrowseCallback;
    info.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (!chosen) return std::nullopt;
    char path[MAX_PATH] = {};
    BOOL onDisk = SHGetPathFromIDListA(chosen, path);
    CoTaskMemFree(chosen);
    if (!onDisk || path[0] == '\0') return std::nullopt;
    return std::string(path);
}

} // namespace kivet
