// In-memory doubles of the INI file and the registry. Key paths and value names compare
// case-insensitively, as the system's registry does.
#pragma once

#include <map>
#include <string>

#include "messenger/runtime/settings_store.h"

namespace kivet::testing {

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class MemoryRegistry : public RegistryStore {
public:
    struct Value {
        bool isNumber = false;
        std::string text;
        uint32_t number = 0;
    };
    using Values = std::map<std::string, Value, NoCaseLess>;

    bool CreateKey(RegRoot root, const std::string& key) override;
    bool KeyExists(RegRoot root, const std::string& key) override;
    bool DeleteKey(RegRoot root, const std::string& key) override;
    bool SetString(RegRoot root, const std::string& key, const std::string& name, std::string_view data) override;
    bool GetString(RegRoot root, const std::string& key, const std::string& name, std::size_t bufferBytes,
                   std::string& data) override;
    bool SetNumber(RegRoot root, const std::string& key, const std::string& name, uint32_t value) override;
    bool GetNumber(RegRoot root, const std::string& key, const std::string& name, uint32_t& value) override;
    bool DeleteValue(RegRoot root, const std::string& key, const std::string& name) override;
    std::vector<std::string> ValueNames(RegRoot root, const std::string& key) override;
    std::vector<std::string> SubkeyNames(RegRoot root, const std::string& key) override;

    // Test helpers
    const Value* Find(RegRoot root, const std::string& key, const std::string& name) const;
    std::string StoredName(RegRoot root, const std::string& key, const std::string& name) const;

private:
    static std::string Path(RegRoot root, const std::string& key);
    std::map<std::string, Values, NoCaseLess> keys_;
};

class MemoryIni : public IniFile {
public:
    bool Read(const char* section, const char* key, std::size_t maxChars, std::string& value) override;
    void Write(const char* section, const char* key, const std::string& value) override;
    // Section and key names compare case-insensitively, as in the profile functions.
    std::map<std::string, std::map<std::string, std::string, NoCaseLess>, NoCaseLess> sections;
};

} // namespace kivet::testing
