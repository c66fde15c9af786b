// The Settings page's language radio buttons: one per language index 0..6.
#pragma once

#include <cstdint>

namespace kivet {

// The button of a language index; the "&English" button for any index outside 0..6, which
// selects the program's own resources like index 0.
int LanguageButton(int32_t index);
// The language index of a button; -1 for a control that is no language button.
int32_t LanguageOfButton(int control);

} // namespace kivet
