// View history and Print history: the history viewer, or the file itself with the shell.
#pragma once

#include "messenger/app/application.h"

namespace kivet {

void ViewHistory(Application& app);
void PrintHistory(Application& app);
// "Clear current history...": the current user's history file starts anew.
void ClearHistoryFile(Application& app);

} // namespace kivet
