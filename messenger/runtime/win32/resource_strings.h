// Strings from a module's string table.
#pragma once

#include <windows.h>

#include "messenger/runtime/text_table.h"

namespace kivet {

class ModuleStrings : public StringSource {
public:
    explicit ModuleStrings(HINSTANCE module) : module_(module) {}
    bool Load(uint32_t id, char* buf, std::size_t size) override;

private:
    HINSTANCE module_;
};

} // namespace kivet
