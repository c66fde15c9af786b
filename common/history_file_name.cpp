#include "common/history_file_name.h"

#include "common/fixed_text.h"

namespace kivet {
namespace {

bool ForbiddenInFileName(char c)
{
    if (static_cast<unsigned char>(c) < 0x20) return true;
    switch (c) {
    case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
        return true;
    default:
        return false;
    }
}

// "CON", "NUL", "COM1", "LPT9" and their kin name devices whatever extension follows them.
bool ReservedDeviceName(std::string_view name)
{
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
    for (const char* device : kDevices)
        if (EqualsNoCase(stem, device)) return true;
    if (stem.size() == 4 && (EqualsNoCase(stem.substr(0, 3), "COM") || EqualsNoCase(stem.substr(0, 3), "LPT")))
        return stem[3] >= '0' && stem[3] <= '9';
    return false;
}

} // namespace

std::string HistoryFileNameFor(std::string_view logonName)
{
    if (logonName.empty()) return "History.html";
    std::string name(logonName.substr(0, kHistoryNameMaxChars));
    for (char& c : name)
        if (ForbiddenInFileName(c)) c = '_';
    if (ReservedDeviceName(name)) name.insert(0, "_");
    return name + ".html";
}

} // namespace kivet
