// The check boxes of the Options pages: which setting each one edits, whether it changes the
// settings record the moment it is clicked or only when the sheet is confirmed with OK, and which
// controls it enables.
#pragma once

#include <cstdint>
#include <vector>

#include "messenger/options/options_pages.h"
#include "messenger/runtime/settings.h"

namespace kivet {

enum class Takes {
    AtOnce, // written into the settings record when clicked; Cancel does not undo it
    OnOk,   // written when the sheet is confirmed with OK
};

struct OptionBox {
    OptionsPage page;
    int control;
    int32_t Settings::*field;
    Takes takes;
};

const std::vector<OptionBox>& OptionBoxes();
std::vector<OptionBox> BoxesOf(OptionsPage page);
// The box of a control id; null for a control that is not one of the boxes.
const OptionBox* FindOptionBox(int control);

// The controls a box enables while it is ticked (and disables while it is not).
const std::vector<int>& ControlsEnabledBy(int box);
// The box of `page` that enables a control of that page; 0 for a control no box governs. (The
// list pages share their control ids, so the page decides.)
int EnablingBox(OptionsPage page, int control);

} // namespace kivet
