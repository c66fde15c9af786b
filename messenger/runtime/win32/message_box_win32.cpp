#include "messenger/runtime/win32/message_box_win32.h"

namespace kivet {

UINT MessageBoxFlags(const BoxSpec& box)
{
    UINT flags = box.buttons == BoxButtons::YesNo ? MB_YESNO : MB_OK;
    switch (box.icon) {
    case BoxIcon::None: break;
    case BoxIcon::Information: flags |= MB_ICONINFORMATION; break;
    case BoxIcon::Exclamation: flags |= MB_ICONEXCLAMATION; break;
    case BoxIcon::Stop: flags |= MB_ICONSTOP; break;
    case BoxIcon::Question: flags |= MB_ICONQUESTION; break;
    }
    return flags;
}

BoxAnswer ShowMessageBox(HWND owner, const BoxSpec& box)
{
    switch (MessageBoxA(owner, box.text.c_str(), box.caption.c_str(), MessageBoxFlags(box))) {
    case IDOK: return BoxAnswer::Ok;
    case IDYES: return BoxAnswer::Yes;
    case IDNO: return BoxAnswer::No;
    default: return BoxAnswer::Other;
    }
}

} // namespace kivet
