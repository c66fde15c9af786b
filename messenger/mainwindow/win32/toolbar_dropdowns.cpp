#include "messenger/mainwindow/win32/toolbar_dropdowns.h"

#include <string>
#include <vector>

#include "messenger/resources/resource.h"
#include "messenger/runtime/text_table.h"

namespace kivet {
namespace {

// Reply lists the Quick Answers, Auto-Reply the Auto-Replies' descriptions, each after "&Add new..."
// (which opens the options at their page) and a separator.
HMENU BuildDropDownMenu(MainWindowHost& host, bool reply)
{
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, reply ? IDM_ADD_QUICK_ANSWER : IDM_ADD_AUTO_REPLY, Text(IDS_ADD_NEW));
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    if (reply) {
        const std::vector<std::string> answers = host.QuickAnswers();
        for (size_t i = 0; i < answers.size(); ++i)
            AppendMenuA(menu, MF_STRING, IDM_FIRST_QUICK_ANSWER + i, answers[i].c_str());
    } else {
        const std::vector<std::string> replies = host.AutoReplyDescriptions();
        for (size_t i = 0; i < replies.size(); ++i)
            AppendMenuA(menu, MF_STRING, IDM_FIRST_AUTO_REPLY + i, replies[i].c_str());
    }
    return menu;
}

} // namespace

void ShowToolbarDropDown(MainWindow& window, NMTOOLBARA* toolbar)
{
    HMENU menu = BuildDropDownMenu(window.host, toolbar->iItem == IDM_REPLY);
    RECT button;
    SendMessageA(toolbar->hdr.hwndFrom, TB_GETRECT, toolbar->iItem, reinterpret_cast<LPARAM>(&button));
    MapWindowPoints(toolbar->hdr.hwndFrom, nullptr, reinterpret_cast<POINT*>(&button), 2);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, button.left, button.bottom, 0, window.dialog, nullptr);
    DestroyMenu(menu);
}

} // namespace kivet
