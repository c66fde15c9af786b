#include "messenger/mainwindow/win32/window_queries.h"

#include <algorithm>

#include "messenger/mainwindow/win32/tray_icon.h"

namespace kivet {
namespace {

LRESULT MenuItemState(const MainWindow& window, WPARAM command, LPARAM which)
{
    HMENU menu = which == 0 ? GetMenu(window.dialog) : TrayMenu(window);
    if (!menu) return -1;
    return static_cast<LRESULT>(static_cast<int>(GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND)));
}

// One atom at a time: the new answer takes the place of the last, so no number of questions
// leaves atoms behind in the system's table.
LRESULT TrayState(MainWindow& window, WPARAM what)
{
    TrayIconState& tray = window.tray;
    if (what == 0) return static_cast<LRESULT>(tray.shownIcon);
    ForgetWindowQueryAnswers(window);
    tray.tooltipAtom = GlobalAddAtomA(tray.shownTooltip);
    return static_cast<LRESULT>(tray.tooltipAtom);
}

// The counts in bits 0-14 (computers) and 15-29 (users), bit 30 while a scan runs; for a name
// given as an atom, its state byte with 0x100 when its computer runs the messenger, or -1.
LRESULT ScanState(MainWindow& window, WPARAM atom)
{
    constexpr std::size_t kCountMask = 0x7FFF;
    if (atom == 0) {
        const ScanSummary scan = window.host.LastScan();
        return static_cast<LRESULT>(std::min(scan.computers, kCountMask) | std::min(scan.users, kCountMask) << 15 |
                                    (scan.running ? std::size_t{1} << 30 : 0));
    }
    char name[64] = {};
    if (!GlobalGetAtomNameA(static_cast<ATOM>(atom), name, sizeof name)) return -1;
    const std::optional<ScannedName> entry = window.host.ScannedEntry(name);
    if (!entry) return -1;
    return static_cast<LRESULT>(entry->state | (entry->runsMessenger ? 0x100 : 0));
}

} // namespace

bool AnswerWindowQuery(MainWindow& window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& answer)
{
    static const UINT menuState = RegisterWindowMessageA("KivetSecureMessenger.MenuState");
    static const UINT trayState = RegisterWindowMessageA("KivetSecureMessenger.TrayState");
    static const UINT treeImages = RegisterWindowMessageA("KivetSecureMessenger.TreeImages");
    static const UINT scanState = RegisterWindowMessageA("KivetSecureMessenger.ScanState");
    if (msg == 0) return false;
    HIMAGELIST images = window.resources.treeImages;
    if (msg == menuState)
        answer = MenuItemState(window, wParam, lParam);
    else if (msg == trayState)
        answer = TrayState(window, wParam);
    else if (msg == treeImages)
        answer = images ? ImageList_GetImageCount(images) : 0;
    else if (msg == scanState)
        answer = ScanState(window, wParam);
    else
        return false;
    return true;
}

void ForgetWindowQueryAnswers(MainWindow& window)
{
    if (window.tray.tooltipAtom) GlobalDeleteAtom(window.tray.tooltipAtom);
    window.tray.tooltipAtom = 0;
}

} // namespace kivet
