#include "viewer/viewer_paths.h"

#include "common/history_file_name.h"

namespace kivet::viewer {

std::string ModuleFolder(std::string_view modulePath)
{
    std::size_t slash = modulePath.rfind('\\');
    return slash == std::string_view::npos ? std::string() : std::string(modulePath.substr(0, slash + 1));
}

std::string HistoryPagePath(std::string_view folder, std::string_view logonName)
{
    return std::string(folder) + "History\\" + HistoryFileNameFor(logonName);
}

std::string FallbackPagePath(std::string_view folder)
{
    return std::string(folder) + "History\\empty.html";
}

std::string ChoosePage(std::string_view modulePath, std::string_view logonName,
                       const std::function<bool(const std::string&)>& canRead)
{
    std::string folder = ModuleFolder(modulePath);
    std::string history = HistoryPagePath(folder, logonName);
    if (history.size() <= kMaxPagePath && canRead(history)) return history;
    return FallbackPagePath(folder);
}

std::string PageFolder(std::string_view pagePath)
{
    return ModuleFolder(pagePath);
}

} // namespace kivet::viewer
