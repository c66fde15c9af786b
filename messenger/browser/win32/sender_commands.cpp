#include "messenger/browser/win32/sender_commands.h"

#include <shellapi.h>

#include <optional>
#include <string>

#include "common/fixed_text.h"
#include "messenger/browser/sender_lookup.h"
#include "messenger/runtime/action_log.h"

namespace kivet {
namespace {

// The wait cursor for a look-up that may take seconds; the arrow comes back at the end.
class WaitCursor {
public:
    WaitCursor() { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }
    ~WaitCursor() { SetCursor(LoadCursorA(nullptr, IDC_ARROW)); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

bool LookUpWithWaitCursor(NetworkDirectory& directory, std::string_view sender, ResolutionRecord& record)
{
    WaitCursor wait;
    return LookUpSender(directory, sender, record);
}

} // namespace

bool ShowSenderDetails(HWND owner, NetworkDirectory& directory, std::string_view sender, const TextCodec& codec,
                       ActionWriter& log, HelpRequest onHelp)
{
    log.Write("Retrieving additional information...");
    ResolutionRecord record;
    const bool found = LookUpWithWaitCursor(directory, sender, record);
    log.Write("Retrieving additional information complete.");
    if (found) ShowDetailsWindow(owner, record, codec, std::move(onHelp));
    return found;
}

bool BrowseSenderComputer(HWND owner, NetworkDirectory& directory, std::string_view sender)
{
    ResolutionRecord record;
    if (!LookUpWithWaitCursor(directory, sender, record)) return false;
    return OpenComputerShares(owner, FieldText(record.computerName));
}

bool OpenComputerShares(HWND owner, std::string_view computer)
{
    const std::optional<std::string> path = BrowsePathFor(computer);
    if (!path) return false;
    const HINSTANCE result = ShellExecuteA(owner, "open", path->c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace kivet
