#include "messenger/runtime/win32/program_folder.h"

#include <windows.h>

namespace kivet {

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) return std::string(); // a cut path names no folder
    std::string folder(path, n);
    std::size_t slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

} // namespace kivet
