#include "messenger/runtime/win32/ini_file_win32.h"

#include <windows.h>

#include <vector>

namespace kivet {

bool ProfileIniFile::Read(const char* section, const char* key, std::size_t maxChars, std::string& value)
{
    // The default is a text no value can hold (it has more characters than maxChars + 1), so a
    // missing key is told apart from a present one.
    static const char kMissing[] = "\x01missing\x01";
    std::vector<char> buf(maxChars + 1 + sizeof kMissing, '\0');
    GetPrivateProfileStringA(section, key, kMissing, buf.data(), static_cast<DWORD>(buf.size()), path_.c_str());
    if (std::string(buf.data()) == kMissing) return false;
    value.assign(buf.data(), strnlen(buf.data(), maxChars));
    return true;
}

void ProfileIniFile::Write(const char* section, const char* key, const std::string& value)
{
    WritePrivateProfileStringA(section, key, value.c_str(), path_.c_str());
}

} // namespace kivet
