// A running kivetsec with its main window shown, for tests that write messages into its mailslot
// and look at what the window, its menus and the tray show.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/wine/driver/kivet_driver.h"

namespace kivet::wine {

// A plain Messenger-format datagram written into the program's mailslot.
bool WritePlainMessage(const std::string& sender, const std::string& recipient, const std::string& text);
std::string ControlText(HWND window, int id);
// The state flags of a menu item, asked of the program itself (menus cannot be read from
// outside); -1 when the menu has no such item.
LRESULT MenuItemState(HWND mainDialog, WORD command, bool trayMenu);
// The tray icon's resource number and tooltip, asked of the program.
UINT TrayIconShown(HWND mainDialog);
std::string TrayTooltip(HWND mainDialog);

class MainWindowSession : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The [GENERAL] lines of the INI file the program starts with.
    virtual std::string IniSettings() const { return "MovetoTrayAtStartup=0\r\n"; }
    // Called with the program's registry emptied, before it starts.
    virtual void PrepareRegistry() {}

    bool WaitForHeader(const std::string& header);
    bool MenuEnabled(WORD command, bool trayMenu);
    bool MenuChecked(WORD command, bool trayMenu);
    void Command(WORD id) { SendMessageA(main, WM_COMMAND, id, 0); }
    std::string Caption() const;

    std::string folder;
    KivetProcess program;
    HWND main = nullptr;
};

} // namespace kivet::wine
