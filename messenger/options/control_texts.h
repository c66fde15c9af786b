// Which string of the text table each control of the Options pages and their two dialogs shows.
// The templates hold placeholders; the texts are set when a page or dialog is created, so that a
// language pack translates them.
#pragma once

#include <cstdint>
#include <vector>

#include "messenger/options/options_pages.h"

namespace kivet {

// Control id 0 stands for the dialog's own caption.
constexpr int kCaptionControl = 0;
// The dialogs' Cancel button (IDCANCEL of <windows.h>, which this file does not include).
constexpr int kCancelButton = 2;

struct ControlText {
    int control;
    uint32_t stringId;
};

const std::vector<ControlText>& PageTexts(OptionsPage page);
// The "Add to list" dialog and the "Create/Edit Auto-Reply message" dialog.
const std::vector<ControlText>& AddToListTexts();
const std::vector<ControlText>& EditAutoReplyTexts();

} // namespace kivet
