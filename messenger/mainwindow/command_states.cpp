#include "messenger/mainwindow/command_states.h"

namespace kivet {

CommandStates ComputeCommandStates(int32_t total, int32_t current)
{
    CommandStates s;
    if (total <= 0) return s;
    s.deleteMessage = s.deleteAll = true;
    s.messageDetails = s.browseComputer = true;
    s.addToQuickList = s.addToIgnoreList = true;
    s.previous = total > 1 && current > 1;
    s.next = total > 1 && current < total;
    return s;
}

} // namespace kivet
