#include "messenger/runtime/win32/registry_store_win32.h"

#include <windows.h>

namespace kivet {
namespace {

HKEY RootKey(RegRoot root)
{
    return root == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT;
}

// An open key, closed when it goes out of scope.
class OpenKey {
public:
    OpenKey(RegRoot root, const std::string& key, REGSAM access)
    {
        if (RegOpenKeyExA(RootKey(root), key.c_str(), 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~OpenKey()
    {
        if (key_) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    explicit operator bool() const { return key_ != nullptr; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

} // namespace

bool Win32Registry::CreateKey(RegRoot root, const std::string& key)
{
    HKEY created = nullptr;
    if (RegCreateKeyExA(RootKey(root), key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &created,
                        nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(created);
    return true;
}

bool Win32Registry::KeyExists(RegRoot root, const std::string& key)
{
    return static_cast<bool>(OpenKey(root, key, KEY_READ));
}

bool Win32Registry::DeleteKey(RegRoot root, const std::string& key)
{
    // RegDeleteKey removes keys with subkeys on Windows 95; refuse them everywhere alike.
    {
        OpenKey k(root, key, KEY_READ);
        if (!k) return false;
        DWORD subkeys = 0;
        if (RegQueryInfoKeyA(k.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr) != ERROR_SUCCESS ||
            subkeys != 0)
            return false;
    }
    return RegDeleteKeyA(RootKey(root), key.c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::SetString(RegRoot root, const std::string& key, const std::string& name, std::string_view data)
{
    CreateKey(root, key);
    OpenKey k(root, key, KEY_WRITE);
    if (!k) return false;
    std::string text(data);
    return RegSetValueExA(k.get(), name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

bool Win32Registry::GetString(RegRoot root, const std::string& key, const std::string& name, std::size_t bufferBytes,
                              std::string& data)
{
    OpenKey k(root, key, KEY_READ);
    if (!k || bufferBytes == 0) return false;
    const char* valueName = name.empty() ? nullptr : name.c_str();
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(k.get(), valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    std::string buf(size + 1, '\0');
    if (RegQueryValueExA(k.get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(&buf[0]), &size) != ERROR_SUCCESS)
        return false;
    buf.resize(strnlen(buf.c_str(), size));
    if (buf.size() > bufferBytes - 1) buf.resize(bufferBytes - 1);
    data = buf;
    return true;
}

bool Win32Registry::SetNumber(RegRoot root, const std::string& key, const std::string& name, uint32_t value)
{
    CreateKey(root, key);
    OpenKey k(root, key, KEY_WRITE);
    if (!k) return false;
    DWORD v = value;
    return RegSetValueExA(k.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v) ==
           ERROR_SUCCESS;
}

bool Win32Registry::GetNumber(RegRoot root, const std::string& key, const std::string& name, uint32_t& value)
{
    OpenKey k(root, key, KEY_READ);
    if (!k) return false;
    DWORD type = 0, v = 0, size = sizeof v;
    if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&v), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return false;
    value = v;
    return true;
}

bool Win32Registry::DeleteValue(RegRoot root, const std::string& key, const std::string& name)
{
    OpenKey k(root, key, KEY_WRITE);
    return k && RegDeleteValueA(k.get(), name.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> Win32Registry::ValueNames(RegRoot root, const std::string& key)
{
    std::vector<std::string> names;
    OpenKey k(root, key, KEY_READ);
    if (!k) return names;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD size = sizeof name;
        LONG result = RegEnumValueA(k.get(), i, name, &size, nullptr, nullptr, nullptr, nullptr);
        // A name too long for the buffer is passed over; the values after it are still listed.
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) break;
        names.emplace_back(name, size);
    }
    return names;
}

std::vector<std::string> Win32Registry::SubkeyNames(RegRoot root, const std::string& key)
{
    std::vector<std::string> names;
    OpenKey k(root, key, KEY_READ);
    if (!k) return names;
    for (DWORD i = 0;; ++i) {
        char name[256]; // key names have at most 255 characters
        DWORD size = sizeof name;
        LONG result = RegEnumKeyExA(k.get(), i, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) break;
        names.emplace_back(name, size);
    }
    return names;
}

} // namespace kivet
