#include "messenger/options/win32/list_box.h"

#include <windowsx.h>

namespace kivet {

void FillListBox(HWND list, const std::vector<std::string>& entries, long selected)
{
    SetWindowRedraw(list, FALSE);
    ListBox_ResetContent(list);
    for (const std::string& entry : entries)
        ListBox_AddString(list, entry.c_str());
    ListBox_SetCurSel(list, selected >= 0 && static_cast<std::size_t>(selected) < entries.size() ? selected : -1);
    SetWindowRedraw(list, TRUE);
    InvalidateRect(list, nullptr, TRUE);
}

long SelectedIndex(HWND list)
{
    int index = ListBox_GetCurSel(list);
    return index == LB_ERR ? -1 : index;
}

std::string SelectedText(HWND list)
{
    int index = ListBox_GetCurSel(list);
    if (index == LB_ERR) return std::string();
    int length = ListBox_GetTextLen(list, index);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    ListBox_GetText(list, index, &text[0]);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

} // namespace kivet
