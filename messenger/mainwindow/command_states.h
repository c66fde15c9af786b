// Which commands of the main window are available for the current state of the message store.
#pragma once

#include <cstdint>

namespace kivet {

struct CommandStates {
    // Main menu
    bool deleteMessage = false;
    bool deleteAll = false;
    bool previous = false;
    bool next = false;
    bool messageDetails = false;
    bool browseComputer = false;
    bool addToQuickList = false;
    bool addToIgnoreList = false;
    // The tray menu offers delete, delete all, previous and next with the same states; the
    // toolbar's Previous, Next and Delete buttons follow them too (with their disabled images).
};

// total: records in the store; current: the 1-based current record (0 when empty).
CommandStates ComputeCommandStates(int32_t total, int32_t current);

} // namespace kivet
