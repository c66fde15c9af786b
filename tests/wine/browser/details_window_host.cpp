// Opens the Details window for the record given on the command line (computer, user, workgroup,
// MAC and IP address, in that order) and exits with 100 plus the number of help requests made
// in it. The Wine test reads and drives the window from outside.
#include <windows.h>

#include <cstdlib>

#include "common/fixed_text.h"
#include "messenger/browser/win32/details_window.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/resource_strings.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    kivet::ModuleStrings strings(instance);
    kivet::ProcessTexts().Fill(strings);

    kivet::ResolutionRecord record;
    char* fields[] = {record.computerName, record.userName, record.workgroupName, record.macAddress,
                      record.ipAddress};
    for (int i = 0; i < 5 && i + 1 < __argc; ++i)
        kivet::CopyCut(fields[i], sizeof record.computerName, __argv[i + 1]);

    int helps = 0;
    kivet::ShowDetailsWindow(nullptr, record, kivet::AsciiCodec(), [&helps] { ++helps; });
    return 100 + helps;
}
