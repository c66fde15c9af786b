// The per-user INI file through the private-profile functions.
#pragma once

#include <string>

#include "messenger/runtime/settings_store.h"

namespace kivet {

class ProfileIniFile : public IniFile {
public:
    explicit ProfileIniFile(std::string path) : path_(std::move(path)) {}
    bool Read(const char* section, const char* key, std::size_t maxChars, std::string& value) override;
    void Write(const char* section, const char* key, const std::string& value) override;

private:
    std::string path_;
};

} // namespace kivet
