// Adding and deleting a NetBIOS name on the adapter the program uses.
#pragma once

#include "messenger/lists/auto_reply_mode.h"

namespace kivet {

class Win32NetBiosNames : public NetBiosNames {
public:
    void AddName(const std::array<char, 16>& name) override;
    void DeleteName(const std::array<char, 16>& name) override;
};

} // namespace kivet
