#include "messenger/runtime/text_table.h"

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
    } rows[] = {{110, 200}, {111, 200}, {114, 100}, {130, 200}, {131, 200}, {132, 150}, {136, 150},
                {137, 100}, {138, 150}, {179, 150}, {180, 200}, {185, 0},   {212, 100}, {261, 100},
                {275, 100}, {282, 100}, {283, 150}, {284, 150}, {444, 150}, {500, 200}, {501, 200},
                {109, 0},   {113, 0},   {223, 0},   {285, 0},   {502, 0}};
    for (const Row& r : rows)
        EXPECT_EQ(TextBufferSize(r.id), r.size) << r.id;
}

TEST(TextTableFill, TranslationsLongerThanTheirBufferAreCut)
{
    TextTable table;
    LongStrings source;
    table.Fill(source);
    EXPECT_EQ(std::strlen(table.Text(114)), 99u);
    EXPECT_EQ(std::strlen(table.Text(132)), 149u);
    EXPECT_EQ(std::strlen(table.Text(110)), 199u);
    EXPECT_EQ(std::strlen(table.Text(212)), 99u);
    EXPECT_EQ(std::strlen(table.Text212Long()), 149u);
    EXPECT_EQ(std::string(table.Text(444)), std::string(149, '4'));
    EXPECT_EQ(source.requested.count(185), 0u); // loaded separately at start-up
    EXPECT_STREQ(table.Text(999), "");
}

TEST(TextTableFill, AMissingStringLeavesItsBufferEmpty)
{
    TextTable table;
    LongStrings full;
    table.Fill(full);
    EmptyModule empty;
    table.Fill(empty);
    EXPECT_STREQ(table.Text(110), "");
    EXPECT_STREQ(table.Text212Long(), "");
}

} // namespace
} // namespace kivet
