// The results dialog, the "Sending non secure message" dialog and the message boxes, shown for
// real and driven from the test thread.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>

#include "common/fixed_text.h"
#include "messenger/resources/resource.h"
#include "messenger/send/win32/non_secure_dialog.h"
#include "messenger/send/win32/results_dialog.h"
#include "messenger/send/win32/send_prompts_win32.h"
#include "tests/core/send/send_doubles.h"
#include "tests/wine/send/window_helpers.h"

namespace kivet {
namespace {

using Rows = std::vector<ResultRow>;

HINSTANCE Module()
{
    return GetModuleHandleA(nullptr);
}

Rows ListRows(HWND list)
{
    Rows rows;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        ResultRow row;
        for (int column = 0; column < 2; ++column) {
            char text[256] = {};
            LVITEMA item{};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
            (column == 0 ? row.user : row.computer) = text;
        }
        rows.push_back(row);
    }
    return rows;
}

// A press of the mouse on the header of the column (0 or 1), as the header control gets it.
void ClickColumnHeader(HWND list, int column)
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT item{};
    SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(header, WM_LBUTTONUP, 0, at);
}

ResultsView SampleView()
{
    ResultsView view;
    view.caption = "Sending message";
    view.headline = "The message has been received on 3 computers:";
    view.userColumn = "User";
    view.computerColumn = "Computer";
    view.rows = {{"bob", "Pc2"}, {"Alice", "Pc3"}, {"Carol", "Pc1"}};
    view.footer = "The message to Group @Sales has been successfully sent.";
    return view;
}

TEST(ResultsDialogWindow, ShowsTheTextsAndRowsInTwoHalfColumns)
{
    INT_PTR result = 0;
    test::RunModal(
        "Sending message", [&] { result = ShowResultsDialog(Module(), nullptr, SampleView()); },
        [](HWND dialog) {
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(test::WindowText(GetDlgItem(dialog, IDC_RESULTS_HEADLINE)),
                      "The message has been received on 3 computers:");
            EXPECT_EQ(test::WindowText(GetDlgItem(dialog, IDC_RESULTS_FOOTER)),
                      "The message to Group @Sales has been successfully sent.");
            HWND list = GetDlgItem(dialog, IDC_RESULTS_LIST);
            EXPECT_EQ(ListRows(list), SampleView().rows);
            RECT client{};
            GetClientRect(list, &client);
            const int half = client.right / 2;
            EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0), half);
            EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0), half);
            EXPECT_NE(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0), 0);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
    EXPECT_EQ(result, IDOK);
}

TEST(ResultsDialogWindow, AHeaderClickSortsByThatColumn)
{
    test::RunModal(
        "Sending message", [&] { ShowResultsDialog(Module(), nullptr, SampleView()); },
        [](HWND dialog) {
            ASSERT_NE(dialog, nullptr);
            HWND list = GetDlgItem(dialog, IDC_RESULTS_LIST);
            ClickColumnHeader(list, 1);
            EXPECT_EQ(ListRows(list), (Rows{{"Carol", "Pc1"}, {"bob", "Pc2"}, {"Alice", "Pc3"}}));
            ClickColumnHeader(list, 0);
            EXPECT_EQ(ListRows(list), (Rows{{"Alice", "Pc3"}, {"Carol", "Pc1"}, {"bob", "Pc2"}}))
                << "capitals before small letters";
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
}

NonSecureChoice AnswerNonSecure(bool tick, int button)
{
    NonSecureChoice choice{true, true};
    test::RunModal(
        "Sending non secure message", [&] { choice = AskSendNonSecure(Module(), nullptr, test::EnglishSendTexts()); },
        [&](HWND dialog) {
            ASSERT_NE(dialog, nullptr);
            EXPECT_NE(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0), 0);
            if (tick) SendMessageA(GetDlgItem(dialog, IDC_NON_SECURE_DO_NOT_SHOW), BM_CLICK, 0, 0);
            SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
        });
    return choice;
}

TEST(NonSecureDialogWindow, YesReportsTheCheckBox)
{
    NonSecureChoice ticked = AnswerNonSecure(true, IDOK);
    EXPECT_TRUE(ticked.sendPlain);
    EXPECT_TRUE(ticked.doNotShowAgain);
    NonSecureChoice unticked = AnswerNonSecure(false, IDOK);
    EXPECT_TRUE(unticked.sendPlain);
    EXPECT_FALSE(unticked.doNotShowAgain);
}

TEST(NonSecureDialogWindow, NoGivesNoConsentWhateverTheCheckBox)
{
    NonSecureChoice choice = AnswerNonSecure(true, IDCANCEL);
    EXPECT_FALSE(choice.sendPlain);
    EXPECT_FALSE(choice.doNotShowAgain);
}

class GermanTexts final : public StringSource {
public:
    bool Load(uint32_t id, char* buf, std::size_t size) override
    {
        static const std::map<uint32_t, const char*> texts = {
            {IDS_NON_SECURE_CAPTION, "Unverschluesselt senden"},
            {IDS_DO_NOT_SHOW_AGAIN, "Nicht mehr anzeigen"},
        };
        const auto found = texts.find(id);
        if (found == texts.end()) return false;
        CopyCut(buf, size, found->second);
        return true;
    }
};

TEST(NonSecureDialogWindow, ALanguagesTextsReplaceTheTemplates)
{
    TextTable table;
    GermanTexts german;
    table.Fill(german);
    std::string box;
    test::RunModal(
        "Unverschluesselt senden", [&] { AskSendNonSecure(Module(), nullptr, table); },
        [&](HWND dialog) {
            ASSERT_NE(dialog, nullptr);
            box = test::WindowText(GetDlgItem(dialog, IDC_NON_SECURE_DO_NOT_SHOW));
            EXPECT_NE(test::WindowText(GetDlgItem(dialog, IDC_NON_SECURE_QUESTION)).find("non secure messenger"),
                      std::string::npos)
                << "a text the language lacks stays as the template has it";
            SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
        });
    EXPECT_EQ(box, "Nicht mehr anzeigen");
}

TEST(SendPromptsWindow, AQuestionBoxAnswersWithTheButtonPressed)
{
    Win32SendPrompts prompts(Module(), nullptr, test::EnglishSendTexts());
    PromptBox question{{"Store it?", "Sending message", BoxButtons::YesNo, BoxIcon::Question}, false};
    BoxAnswer answer = BoxAnswer::Other;
    test::RunModal(
        "Sending message", [&] { answer = prompts.Show(question); },
        [](HWND box) {
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(GetDlgItem(box, IDHELP), nullptr);
            EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
            SendMessageA(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
        });
    EXPECT_EQ(answer, BoxAnswer::No);
}

TEST(SendPromptsWindow, AStopBoxWithHelpHasItsHelpButton)
{
    Win32SendPrompts prompts(Module(), nullptr, test::EnglishSendTexts());
    PromptBox refusal{{"No permission", "Sending message", BoxButtons::Ok, BoxIcon::Stop}, true};
    EXPECT_EQ(PromptBoxFlags(refusal), static_cast<UINT>(MB_OK | MB_ICONSTOP | MB_HELP));
    BoxAnswer answer = BoxAnswer::Other;
    test::RunModal(
        "Sending message", [&] { answer = prompts.Show(refusal); },
        [](HWND box) {
            ASSERT_NE(box, nullptr);
            EXPECT_NE(GetDlgItem(box, IDHELP), nullptr);
            SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        });
    EXPECT_EQ(answer, BoxAnswer::Ok);
}

} // namespace
} // namespace kivet
