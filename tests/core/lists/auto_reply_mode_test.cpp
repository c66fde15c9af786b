#include "messenger/lists/auto_reply_mode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messenger/runtime/registry_settings.h"
#include "tests/core/lists/list_fakes.h"

namespace kivet {
namespace {

using test::ListRegistry;
using Name = std::array<char, 16>;

class RecordedNames : public NetBiosNames {
public:
    void AddName(const Name& name) override { calls.push_back("add " + std::string(name.begin(), name.end())); }
    void DeleteName(const Name& name) override { calls.push_back("delete " + std::string(name.begin(), name.end())); }
    std::vector<std::string> calls;
};

const std::string kMark = std::string("AUTOANSWERMODE ") + '\x11';

class AutoReplyModeTest : public ::testing::Test {
protected:
    ListRegistry reg;
    RecordedNames names;
    AutoReplyMode mode{reg, names};
};

TEST_F(AutoReplyModeTest, TheNameIsPaddedWithTheSuffixByte)
{
    Name name = AutoReplyNetBiosName();
    EXPECT_EQ(std::string(name.begin(), name.end()), kMark);
    EXPECT_EQ(name[14], ' ');
    EXPECT_EQ(static_cast<unsigned char>(name[15]), 0x11);
}

TEST_F(AutoReplyModeTest, EnterAndLeave)
{
    EXPECT_FALSE(mode.On());
    mode.EnterAutoReplyMode("Back at three");
    EXPECT_TRUE(mode.On());
    EXPECT_EQ(mode.Text(), "Back at three");
    EXPECT_EQ(names.calls, std::vector<std::string>{"add " + kMark});
    EXPECT_EQ(ReadCurrentAutoAnswer(reg), "Back at three");

    mode.LeaveAutoReplyMode();
    EXPECT_FALSE(mode.On());
    EXPECT_EQ(names.calls, (std::vector<std::string>{"add " + kMark, "delete " + kMark}));
    EXPECT_EQ(mode.Text(), "Back at three") << "the text stays for the next time";
    EXPECT_EQ(ReadCurrentAutoAnswer(reg), "Back at three");
}

TEST_F(AutoReplyModeTest, LeavingWhileOffStillDeletesTheName)
{
    mode.LeaveAutoReplyMode();
    EXPECT_FALSE(mode.On());
    EXPECT_EQ(names.calls, std::vector<std::string>{"delete " + kMark});
    EXPECT_EQ(reg.writes, 0);
}

TEST_F(AutoReplyModeTest, TextIsCutTo254Characters)
{
    mode.EnterAutoReplyMode(std::string(254, 'a') + "bcdef");
    EXPECT_EQ(mode.Text(), std::string(254, 'a'));
    EXPECT_EQ(ReadCurrentAutoAnswer(reg), std::string(254, 'a'));
}

TEST_F(AutoReplyModeTest, TextIsReadBackButTheModeStartsOff)
{
    reg.Put(kProgramKey, "CurrentAutoAnswer", std::string(400, 't'));
    mode.LoadText();
    EXPECT_FALSE(mode.On());
    EXPECT_EQ(mode.Text(), std::string(254, 't'));
    EXPECT_TRUE(names.calls.empty());
}

} // namespace
} // namespace kivet
