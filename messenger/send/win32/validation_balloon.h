// The balloons of the send dialog's checks: the error picture, the title "Sending message" and the
// text, pointing 10 pixels in from the control's top-left corner, for two seconds.
#pragma once

#include <windows.h>

#include "messenger/send/win32/send_dialog_state.h"

namespace kivet {

void ShowValidationBalloon(SendDialogState& state, HWND control, const char* text);
void HideValidationBalloon(SendDialogState& state);

} // namespace kivet
