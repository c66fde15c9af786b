// The Options sheet opened by the real program from its commands: the page each command opens,
// and the settings applied again after the Options command.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tests/wine/driver/main_window_session.h"

namespace kivet::wine {
namespace {

constexpr WORD kOptions = 32782, kAddQuickAnswer = 500, kAddAutoReply = 600;
constexpr int kAlwaysOnTop = 1401;

HWND FindChildById(HWND parent, int id)
{
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (GetDlgCtrlID(child) != s->id || !IsWindowVisible(child)) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class OptionsWindow : public MainWindowSession {
protected:
    // Posts the command (the sheet is modal: a sent command would wait for it) and waits for it.
    HWND OpenSheet(WORD command)
    {
        PostMessageA(main, WM_COMMAND, command, 0);
        return WaitFor([&] { return FindMessageBox(program.Id(), "Options"); });
    }
    static int Tabs(HWND sheet, UINT message)
    {
        return static_cast<int>(SendMessageA(FindWindowExA(sheet, nullptr, WC_TABCONTROLA, nullptr), message, 0, 0));
    }
};

TEST_F(OptionsWindow, EachCommandOpensItsPage)
{
    const struct {
        WORD command;
        int page;
    } cases[] = {{kOptions, 0}, {kAddQuickAnswer, 5}, {kAddAutoReply, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        HWND sheet = OpenSheet(c.command);
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(Tabs(sheet, TCM_GETITEMCOUNT), 10);
        EXPECT_EQ(Tabs(sheet, TCM_GETCURSEL), c.page);
        PressButton(sheet, IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(sheet); }, 5000));
    }
}

TEST_F(OptionsWindow, OkAfterTheOptionsCommandAppliesTheSettings)
{
    ASSERT_EQ(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    HWND sheet = OpenSheet(kOptions);
    ASSERT_NE(sheet, nullptr);
    HWND onTop = WaitFor([&] { return FindChildById(sheet, kAlwaysOnTop); }, 5000);
    ASSERT_NE(onTop, nullptr);
    SendMessageA(onTop, BM_CLICK, 0, 0);
    PressButton(sheet, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return (GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 5000));
}

} // namespace
} // namespace kivet::wine
