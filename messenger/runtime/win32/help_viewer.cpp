#include "messenger/runtime/win32/help_viewer.h"

#include <windows.h>

#include "messenger/runtime/help_topics.h"
#include "messenger/runtime/pack_strings.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/program_folder.h"

namespace kivet {

void ShowHelpTopic(int topic)
{
    std::string command = HelpCommandLine(ProgramFolder(), Text(kHelpFileNameId), topic);
    WinExec(command.c_str(), SW_SHOWNORMAL);
}

} // namespace kivet
