#include "messenger/send/win32/validation_balloon.h"

#include <commctrl.h>

#include "messenger/resources/resource.h"
#include "messenger/runtime/text_table.h"

namespace kivet {
namespace {

constexpr int kBalloonInset = 10;

TOOLINFOA BalloonTool(const SendDialogState& s)
{
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = s.dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(s.dialog);
    return tool;
}

} // namespace

void ShowValidationBalloon(SendDialogState& s, HWND control, const char* text)
{
    if (!s.balloon) return;
    HideValidationBalloon(s);
    TOOLINFOA tool = BalloonTool(s);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(s.balloon, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(s.balloon, TTM_SETTITLEA, TTI_ERROR, reinterpret_cast<LPARAM>(Text(IDS_SENDING_CAPTION)));
    RECT r;
    GetWindowRect(control, &r);
    SendMessageA(s.balloon, TTM_TRACKPOSITION, 0, MAKELPARAM(r.left + kBalloonInset, r.top + kBalloonInset));
    SendMessageA(s.balloon, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetFocus(control);
    SetTimer(s.dialog, kBalloonTimer, kBalloonMilliseconds, nullptr);
}

void HideValidationBalloon(SendDialogState& s)
{
    KillTimer(s.dialog, kBalloonTimer);
    if (!s.balloon) return;
    TOOLINFOA tool = BalloonTool(s);
    SendMessageA(s.balloon, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

} // namespace kivet
