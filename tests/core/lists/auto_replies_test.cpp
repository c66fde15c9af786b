#include "messenger/lists/auto_replies.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/fixed_text.h"
#include "tests/core/lists/list_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using test::ListRegistry;
using test::TestCodec;
using test::Under;

const std::string kReplies = Under("AutoReplies");

std::string Description(const AutoReply& r)
{
    return std::string(FieldText(r.description));
}
std::string Message(const AutoReply& r)
{
    return std::string(FieldText(r.message));
}

TEST(AutoReplyRecord, CutsTerminatesAndZeroFills)
{
    AutoReply r = MakeAutoReply(std::string(40, 'd'), std::string(600, 'm'));
    EXPECT_EQ(Description(r), std::string(19, 'd'));
    EXPECT_EQ(Message(r), std::string(254, 'm'));
    EXPECT_EQ(r.description[19], '\0');
    EXPECT_EQ(r.message[254], '\0');

    AutoReply shortOne = MakeAutoReply("Out", "Back at 3");
    for (std::size_t i = 3; i < sizeof shortOne.description; ++i)
        EXPECT_EQ(shortOne.description[i], '\0') << i;
    for (std::size_t i = 9; i < sizeof shortOne.message; ++i)
        EXPECT_EQ(shortOne.message[i], '\0') << i;
}

class AutoRepliesEdit : public ::testing::Test {
protected:
    ListRegistry reg;
    AutoReplies replies{reg, TestCodec()};
};

TEST_F(AutoRepliesEdit, AddReplaceDelete)
{
    replies.Load();
    EXPECT_TRUE(replies.Records().empty());
    ASSERT_TRUE(replies.AddAutoReply(MakeAutoReply("Lunch", "At lunch until 2")));
    EXPECT_EQ(reg.Data(kReplies, "Lunch"), "At lunch until 2");
    ASSERT_EQ(replies.Records().size(), 1u);
    EXPECT_EQ(Message(replies.Records()[0]), "At lunch until 2");

    ASSERT_TRUE(replies.ReplaceAutoReply("lunch", MakeAutoReply("Meeting", "In a meeting")));
    EXPECT_EQ(reg.Names(kReplies), std::vector<std::string>{"Meeting"});
    EXPECT_EQ(reg.Data(kReplies, "Meeting"), "In a meeting");
    ASSERT_EQ(replies.Records().size(), 1u);
    EXPECT_EQ(Description(replies.Records()[0]), "Meeting");

    ASSERT_TRUE(replies.ReplaceAutoReply("Meeting", MakeAutoReply("Meeting", "Meeting till 4")));
    EXPECT_EQ(reg.Data(kReplies, "Meeting"), "Meeting till 4");

    EXPECT_TRUE(replies.DeleteAutoReply("MEETING"));
    EXPECT_TRUE(reg.Names(kReplies).empty());
    EXPECT_TRUE(replies.Records().empty());
    EXPECT_FALSE(replies.DeleteAutoReply("Meeting"));
}

TEST_F(AutoRepliesEdit, DescriptionsAreOnePerNameWhateverTheCase)
{
    ASSERT_TRUE(replies.AddAutoReply(MakeAutoReply("Away", "first text")));
    EXPECT_FALSE(replies.AddAutoReply(MakeAutoReply("AWAY", "second text")))
        << "adding would overwrite the stored record";
    EXPECT_EQ(reg.Data(kReplies, "Away"), "first text");
}

TEST_F(AutoRepliesEdit, ReplaceOntoAnotherRecordsDescriptionIsRefused)
{
    ASSERT_TRUE(replies.AddAutoReply(MakeAutoReply("Lunch", "lunch text")));
    ASSERT_TRUE(replies.AddAutoReply(MakeAutoReply("Home", "home text")));
    EXPECT_FALSE(replies.ReplaceAutoReply("Lunch", MakeAutoReply("HOME", "new text")));
    EXPECT_EQ(reg.Data(kReplies, "Lunch"), "lunch text");
    EXPECT_EQ(reg.Data(kReplies, "Home"), "home text");
    EXPECT_EQ(replies.Records().size(), 2u);
    EXPECT_FALSE(replies.ReplaceAutoReply("Nothing", MakeAutoReply("New", "x")));
    EXPECT_EQ(replies.Records().size(), 2u);
}

TEST_F(AutoRepliesEdit, ReplaceChangingOnlyTheCaseRenamesTheValue)
{
    ASSERT_TRUE(replies.AddAutoReply(MakeAutoReply("lunch", "old")));
    ASSERT_TRUE(replies.ReplaceAutoReply("lunch", MakeAutoReply("Lunch", "new")));
    EXPECT_EQ(reg.Names(kReplies), std::vector<std::string>{"Lunch"});
    EXPECT_EQ(reg.Data(kReplies, "Lunch"), "new");
    EXPECT_EQ(Description(replies.Records().at(0)), "Lunch");
}

TEST_F(AutoRepliesEdit, RefusedWritesLoseNothing)
{
    ASSERT_TRUE(replies.AddAutoReply(MakeAutoReply("Lunch", "lunch text")));
    reg.refuseWrites = true;
    EXPECT_FALSE(replies.AddAutoReply(MakeAutoReply("Home", "home text")));
    EXPECT_FALSE(replies.ReplaceAutoReply("Lunch", MakeAutoReply("Dinner", "dinner text")));
    EXPECT_FALSE(replies.ReplaceAutoReply("Lunch", MakeAutoReply("LUNCH", "new")));
    EXPECT_FALSE(replies.DeleteAutoReply("Lunch"));
    reg.refuseWrites = false;
    ASSERT_EQ(replies.Records().size(), 1u);
    EXPECT_EQ(reg.Names(kReplies), std::vector<std::string>{"Lunch"});
    EXPECT_EQ(reg.Data(kReplies, "Lunch"), "lunch text");
}

TEST_F(AutoRepliesEdit, DescriptionMustFitAndRecordsStopAtFifty)
{
    EXPECT_FALSE(replies.AddAutoReply(MakeAutoReply("", "no description")));
    AutoReply unterminated = MakeAutoReply("x", "text");
    std::memset(unterminated.description, 'D', sizeof unterminated.description);
    EXPECT_FALSE(replies.AddAutoReply(unterminated)) << "a description filling its field is not read past";
    AutoReply fullMessage = MakeAutoReply("Full", "");
    std::memset(fullMessage.message, 'm', sizeof fullMessage.message);
    ASSERT_TRUE(replies.AddAutoReply(fullMessage));
    EXPECT_EQ(reg.Data(kReplies, "Full"), std::string(254, 'm'));

    for (int i = 1; i < 50; ++i)
        ASSERT_TRUE(replies.AddAutoReply(MakeAutoReply("R" + std::to_string(i), "t"))) << i;
    EXPECT_FALSE(replies.AddAutoReply(MakeAutoReply("Extra", "t")));
    EXPECT_EQ(reg.Names(kReplies).size(), 50u);
}

TEST(AutoRepliesLoad, BoundsAndHostileValues)
{
    ListRegistry reg;
    reg.reverseOrder = true;
    reg.Put(kReplies, "Long", std::string(1000, 'L'));
    reg.Put(kReplies, std::string(20, 'D'), "description too long");
    reg.Put(kReplies, "", "default value");
    reg.PutNumber(kReplies, "Number", 7);
    reg.Put(kReplies, "Bytes", std::string("\x01\xFF\x7F", 3));
    for (int i = 0; i < 55; ++i)
        reg.Put(kReplies, "Z" + std::to_string(100 + i), "text");
    AutoReplies replies(reg);
    replies.Load();
    ASSERT_EQ(replies.Records().size(), kAutoReplyCapacity);
    EXPECT_EQ(Description(replies.Records().front()), "Z154") << "registry order, not sorted";
    const AutoReply* longOne = replies.Find("long");
    const AutoReply* bytes = replies.Find("Bytes");
    EXPECT_EQ(longOne, nullptr) << "beyond the fifty records read";
    EXPECT_EQ(bytes, nullptr);
    EXPECT_EQ(reg.writes, 0);

    // Without the numbered records every kind of value is reached.
    for (int i = 0; i < 55; ++i)
        reg.MemoryRegistry::DeleteValue(RegRoot::CurrentUser, kReplies, "Z" + std::to_string(100 + i));
    replies.Load();
    ASSERT_EQ(replies.Records().size(), 2u) << "the default value, the long name and the number are passed over";
    longOne = replies.Find("LONG");
    ASSERT_NE(longOne, nullptr);
    EXPECT_EQ(Message(*longOne), std::string(254, 'L'));
    EXPECT_EQ(longOne->message[254], '\0');
    ASSERT_NE(replies.Find("bytes"), nullptr);
    EXPECT_EQ(Message(*replies.Find("bytes")), std::string("\x01\xFF\x7F", 3));
    EXPECT_EQ(reg.Data(kReplies, "Long").size(), 1000u) << "the stored text is not cut";
}

} // namespace
} // namespace kivet
