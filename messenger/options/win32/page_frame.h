// What every Options page does alike: its texts from the text table, its check boxes and the
// controls they enable, OK, Help and F1. A page adds its own work through PageHandlers; one
// dialog procedure serves all ten pages.
#pragma once

#include <windows.h>

#include <vector>

#include "messenger/options/control_texts.h"
#include "messenger/options/win32/sheet_state.h"

namespace kivet {

struct PageHandlers {
    void (*onInit)(HWND page, SheetState& sheet);                           // fill the page's own controls
    void (*onCommand)(HWND page, SheetState& sheet, int control, int code); // a control of the page spoke
    void (*onApply)(HWND page, SheetState& sheet);                          // OK: take the page's own fields
    void (*onEnables)(HWND page, SheetState& sheet);                        // enable states beyond the boxes'
};

// One page of the sheet: handed to the page through its PROPSHEETPAGE.
struct PageSlot {
    SheetState* sheet;
    OptionsPage page;
    const PageHandlers* handlers;
};

INT_PTR CALLBACK OptionsPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);

// Sets each control's text (control 0: the window's caption) from the text table.
void SetControlTexts(HWND dialog, const std::vector<ControlText>& texts);
// The page a page window shows (for the handlers several pages share).
OptionsPage PageOfWindow(HWND page);
// Brings the page's enable states in line with its boxes and its own rules.
void UpdatePageEnables(HWND page);
// Help for the page the sheet shows, wherever the focus is (F1 may come from a control of a
// page that is no longer shown, or from the sheet's own tabs and buttons).
void ShowCurrentPageHelp(HWND sheet);
// After a language switch: the sheet's caption, its tab titles and the texts of every page
// created so far are set again from the text table.
void RetextSheet(HWND page);

} // namespace kivet
