// The send dialog's controls: the ones created when it opens (toolbars, message text, status bar,
// balloon tooltip), their layout when the window is resized, and the status bar's parts.
#pragma once

#include <vector>

#include "messenger/browser/scan_observer.h"
#include "messenger/send/win32/send_dialog_state.h"

namespace kivet {

// Builds the two toolbars (on Windows 95 and 98 the "Quick" and "Emotions" buttons stand in for
// the text toolbar), the balloon tooltip, the texts, the message text and the status bar.
void CreateSendControls(SendDialogState& state);
// Remembers where every control sits at the template size; call before the window is resized.
void RememberTemplateLayout(SendDialogState& state);
// Moves and stretches the controls by the window's surplus over its template size.
void LayoutSendControls(SendDialogState& state);
// Replaces the status bar's parts (text and picture each).
void ShowStatusParts(SendDialogState& state, const std::vector<StatusPart>& parts);
// The toolbar buttons' tooltips.
const char* SendToolbarTip(int command);
// Destroys what CreateSendControls made that the dialog does not destroy by itself.
void ReleaseSendControls(SendDialogState& state);

} // namespace kivet
