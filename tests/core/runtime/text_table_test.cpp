#include "messenger/runtime/text_table.h"
#include "messenger/resources/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace kivet {
namespace {

// A module whose strings are all 300 characters long, made of the id's last digit.
class LongStrings : public StringSource {
public:
    std::map<uint32_t, std::size_t> requested;
    bool Load(uint32_t id, char* buf, std::size_t size) override
    {
        requested[id] = size;
        std::string s(300, static_cast<char>('0' + id % 10));
        std::size_t n = s.size() < size - 1 ? s.size() : size - 1;
        std::memcpy(buf, s.data(), n);
        buf[n] = '\0';
        return true;
    }
};

class EmptyModule : public StringSource {
public:
    bool Load(uint32_t, char* buf, std::size_t) override
    {
        buf[0] = '\0';
        return false;
    }
};

TEST(TextTableBuffers, SizesByStringId)
{
    struct Row {
        uint32_t id;
        std::size_t size;
    } rows[] = {{IDS_EXIT_QUESTION, 200},
                {IDS_EXIT_CAPTION, 200},
                {IDS_TIP_NEW_MESSAGE, 100},
                {IDS_DELETE_UNREAD_QUESTION, 200},
                {IDS_DELETING_CAPTION, 200},
                {IDS_NO_MESSAGES, 150},
                {IDS_STATUS_MESSAGES, 150},
                {IDS_TRAY_TOOLTIP, 100},
                {IDS_RECIPIENT_LABEL, 150},
                {IDS_OPT_ENABLE_IGNORE_LIST, 150},
                {IDS_OPT_USE_BROADCAST, 200},
                {IDS_NO_NETWORK, 0},
                {IDS_TRAY_TOOLTIP_AUTO_REPLY, 100},
                {IDS_TIP_STATUS_MESSAGES, 100},
                {IDS_TIP_STATUS_UNREAD, 100},
                {IDS_TIP_INSERT_EMOTION, 100},
                {IDS_NON_SECURE_CAPTION, 150},
                {IDS_NON_SECURE_TEXT, 150},
                {IDS_HELP_FILE, 150},
                {IDS_SECURE_SEND_FAILED, 200},
                {IDS_SECURE_SEND_QUESTION, 200},
                {IDS_APP_TITLE, 0},
                {113, 0},
                {223, 0},
                {285, 0},
                {502, 0}};
    for (const Row& r : rows)
        EXPECT_EQ(TextBufferSize(r.id), r.size) << r.id;
}

TEST(TextTableFill, TranslationsLongerThanTheirBufferAreCut)
{
    TextTable table;
    LongStrings source;
    table.Fill(source);
    EXPECT_EQ(std::strlen(table.Text(IDS_TIP_NEW_MESSAGE)), 99u);
    EXPECT_EQ(std::strlen(table.Text(IDS_NO_MESSAGES)), 149u);
    EXPECT_EQ(std::strlen(table.Text(IDS_EXIT_QUESTION)), 199u);
    EXPECT_EQ(std::strlen(table.Text(IDS_TRAY_TOOLTIP_AUTO_REPLY)), 99u);
    EXPECT_EQ(std::strlen(table.Text212Long()), 149u);
    EXPECT_EQ(std::string(table.Text(IDS_HELP_FILE)), std::string(149, '4'));
    EXPECT_EQ(source.requested.count(IDS_NO_NETWORK), 0u); // loaded separately at start-up
    EXPECT_STREQ(table.Text(999), "");
}

TEST(TextTableFill, AMissingStringLeavesItsBufferEmpty)
{
    TextTable table;
    LongStrings full;
    table.Fill(full);
    EmptyModule empty;
    table.Fill(empty);
    EXPECT_STREQ(table.Text(IDS_EXIT_QUESTION), "");
    EXPECT_STREQ(table.Text212Long(), "");
}

} // namespace
} // namespace kivet
