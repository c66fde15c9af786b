// The two stores behind the settings: the per-user INI file and the registry. The settings logic
// talks only to these interfaces; the program implements them with the profile and registry
// functions, the tests with in-memory doubles.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kivet {

class IniFile {
public:
    virtual ~IniFile() = default;
    // Reads a value as text of at most maxChars characters; false when the key is missing.
    virtual bool Read(const char* section, const char* key, std::size_t maxChars, std::string& value) = 0;
    virtual void Write(const char* section, const char* key, const std::string& value) = 0;
};

enum class RegRoot { CurrentUser, ClassesRoot };

class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    virtual bool CreateKey(RegRoot root, const std::string& key) = 0;
    virtual bool KeyExists(RegRoot root, const std::string& key) = 0;
    // Deletes a key that has no subkeys.
    virtual bool DeleteKey(RegRoot root, const std::string& key) = 0;
    // Value names match case-insensitively, as in the system registry. An empty name is the
    // key's default value. Setting a value creates its key when it is missing.
    virtual bool SetString(RegRoot root, const std::string& key, const std::string& name, std::string_view data) = 0;
    // Reads a string value into a buffer of bufferBytes bytes: at most bufferBytes - 1 characters.
    virtual bool GetString(RegRoot root, const std::string& key, const std::string& name, std::size_t bufferBytes,
                           std::string& data) = 0;
    virtual bool SetNumber(RegRoot root, const std::string& key, const std::string& name, uint32_t value) = 0;
    virtual bool GetNumber(RegRoot root, const std::string& key, const std::string& name, uint32_t& value) = 0;
    virtual bool DeleteValue(RegRoot root, const std::string& key, const std::string& name) = 0;
    // The value names of a key, in the store's order.
    virtual std::vector<std::string> ValueNames(RegRoot root, const std::string& key) = 0;
    // The names of a key's direct subkeys, in the store's order.
    virtual std::vector<std::string> SubkeyNames(RegRoot root, const std::string& key) = 0;
};

} // namespace kivet
