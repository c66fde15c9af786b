#include "messenger/options/options_pages.h"

#include <gtest/gtest.h>

#include <set>

#include "messenger/options/control_texts.h"
#include "messenger/options/option_boxes.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/text_table.h"

namespace kivet {
namespace {

TEST(OptionsEntries, EachCommandOpensItsPage)
{
    struct Row {
        uint32_t command;
        OptionsPage first;
    } rows[] = {
        {IDM_OPTIONS, OptionsPage::Settings},
        {IDM_TRAY_OPTIONS, OptionsPage::Settings},
        {IDM_ADD_QUICK_ANSWER, OptionsPage::QuickAnswers},
        {IDM_ADD_AUTO_REPLY, OptionsPage::AutoReplies},
    };
    for (const Row& r : rows) {
        std::optional<OptionsEntry> entry = OptionsEntryOfCommand(r.command);
        ASSERT_TRUE(entry.has_value()) << r.command;
        EXPECT_EQ(FirstPageFor(*entry), r.first) << r.command;
    }
    EXPECT_EQ(PageIndex(OptionsPage::QuickAnswers), 5u);
    EXPECT_EQ(PageIndex(OptionsPage::AutoReplies), 7u);
    EXPECT_FALSE(OptionsEntryOfCommand(IDM_FIRST_QUICK_ANSWER).has_value());
    EXPECT_FALSE(OptionsEntryOfCommand(IDM_NEW).has_value());
}

TEST(OptionsEntries, TheOptionsCommandAlwaysReappliesTheDropDownsOnlyAfterAChange)
{
    OptionsResult untouched{false, false};
    OptionsResult changed{true, true};
    EXPECT_TRUE(ReapplyAfterOptions(OptionsEntry::OptionsCommand, untouched));
    EXPECT_FALSE(ReapplyAfterOptions(OptionsEntry::AddQuickAnswer, untouched));
    EXPECT_FALSE(ReapplyAfterOptions(OptionsEntry::AddAutoReply, OptionsResult{true, false}));
    EXPECT_TRUE(ReapplyAfterOptions(OptionsEntry::AddAutoReply, changed));
}

TEST(OptionsPageTable, TitlesTemplatesAndHelpTopicsFollowTheTabs)
{
    std::set<uint32_t> templates;
    for (std::size_t i = 0; i < kOptionsPageCount; ++i) {
        const OptionsPageInfo& info = PageInfoAt(i);
        EXPECT_EQ(PageIndex(info.page), i);
        EXPECT_EQ(info.helpTopic, static_cast<int>(i) + 1);
        EXPECT_NE(TextBufferSize(info.titleId), 0u) << "tab title " << info.titleId << " has no text buffer";
        templates.insert(info.templateId);
    }
    EXPECT_EQ(templates.size(), kOptionsPageCount);
}

// Every text a control shows must come from the text table (a language pack can only translate
// what is there), and every check box must get one (otherwise it keeps the placeholder).
TEST(OptionsControlTexts, EveryTextHasABufferAndEveryBoxHasAText)
{
    auto check = [](const std::vector<ControlText>& texts) {
        for (const ControlText& t : texts)
            EXPECT_NE(TextBufferSize(t.stringId), 0u) << "string " << t.stringId << " of control " << t.control;
    };
    for (std::size_t i = 0; i < kOptionsPageCount; ++i)
        check(PageTexts(PageInfoAt(i).page));
    check(AddToListTexts());
    check(EditAutoReplyTexts());

    for (const OptionBox& box : OptionBoxes()) {
        bool found = false;
        for (const ControlText& t : PageTexts(box.page))
            found |= t.control == box.control;
        EXPECT_TRUE(found) << "box " << box.control << " has no text on its page";
    }
}

} // namespace
} // namespace kivet
