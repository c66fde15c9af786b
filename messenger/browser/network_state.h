// The local machine's network identity and the counts of the last network scan.
#pragma once

#include <cstdint>

namespace kivet {

struct NetworkState {
    uint16_t usersCount = 0;
    uint16_t computersCount = 0;
    uint16_t domainsCount = 0;
    uint8_t adapter = 0;           // LAN adapter used for every NetBIOS call
    uint8_t adapterList[256] = {}; // adapter enumeration: a count byte and the adapter numbers
    char userName[16] = {};
    char computerName[16] = {};
    char workgroupName[16] = {}; // upper-case
};

} // namespace kivet
