// The registry seen through RegistryStore, with the system's registry functions.
#pragma once

#include "messenger/runtime/settings_store.h"

namespace kivet {

class Win32Registry : public RegistryStore {
public:
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
};

} // namespace kivet
