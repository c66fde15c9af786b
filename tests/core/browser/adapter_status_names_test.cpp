// Reading the workgroup, the logged-on users and the Auto-Reply mark out of a name table.
#include "messenger/browser/adapter_status_names.h"

#include <gtest/gtest.h>

namespace kivet {
namespace {

AdapterStatusName Entry(const char* text, uint8_t suffix, uint8_t flags)
{
    AdapterStatusName entry;
    entry.name = MakeNetBiosName(text, suffix);
    entry.flags = flags;
    return entry;
}

TEST(NameTableReading, WorkgroupIsTheFirstRegisteredGroupWithSuffixZero)
{
    AdapterStatus status;
    status.names = {Entry("PC1", 0x00, 0x04),         // unique: the computer
                    Entry("OLDGROUP", 0x00, 0x85),    // group being deleted
                    Entry("BROWSERS", 0x1E, 0x84),    // group, other suffix
                    Entry("OFFICE", 0x00, 0x84), Entry("SECOND", 0x00, 0x84)};
    EXPECT_EQ(WorkgroupOf(status), "OFFICE");
    status.names.resize(3);
    EXPECT_EQ(WorkgroupOf(status), "");
}

TEST(NameTableReading, UsersAreRegisteredUniqueMessengerNamesOtherThanTheComputer)
{
    AdapterStatus status;
    status.names = {Entry("PC1", 0x03, 0x04),    Entry("JSMITH", 0x03, 0x04), Entry("GROUPNAME", 0x03, 0x84),
                    Entry("GHOST", 0x03, 0x06),  Entry("ADMIN", 0x20, 0x04),  Entry("pc1", 0x03, 0x04),
                    Entry("MJONES", 0x03, 0x04)};
    EXPECT_EQ(LoggedOnUsersOf(status, "PC1"), (std::vector<std::string>{"JSMITH", "MJONES"}));
    EXPECT_TRUE(HoldsMessengerName(status, "mjones"));
    EXPECT_FALSE(HoldsMessengerName(status, "GHOST")) << "a name in conflict is not held";
    EXPECT_FALSE(HoldsMessengerName(status, "ADMIN")) << "another suffix";
    EXPECT_FALSE(HoldsMessengerName(status, ""));
}

TEST(NameTableReading, AutoReplyMarkBySuffix)
{
    AdapterStatus status;
    status.names = {Entry("PC1", 0x03, 0x04)};
    EXPECT_FALSE(HasAutoReplyMark(status));
    status.names.push_back(Entry("AUTOANSWERMODE", 0x11, 0x05));
    EXPECT_FALSE(HasAutoReplyMark(status)) << "being deleted: the user is back";
    status.names.push_back(Entry("AUTOANSWERMODE", 0x11, 0x84));
    EXPECT_TRUE(HasAutoReplyMark(status));
}

TEST(NameTableReading, NameTextStopsAtPaddingAndNul)
{
    NetBiosName name = MakeNetBiosName("AB CD", 0x03);
    EXPECT_EQ(NetBiosNameText(name), "AB CD");
    name[2] = '\0';
    EXPECT_EQ(NetBiosNameText(name), "AB");
    name.fill(' ');
    EXPECT_EQ(NetBiosNameText(name), "");
    name.fill('X');
    EXPECT_EQ(NetBiosNameText(name), std::string(15, 'X')) << "the suffix is not part of the text";
}

TEST(NameTableReading, AddressTexts)
{
    EXPECT_EQ(MacAddressText({0x00, 0x0C, 0x29, 0xAB, 0xCD, 0xEF}), "000c29abcdef");
    EXPECT_EQ(IpAddressText({0xFF, 0xFF, 192, 168, 1, 255}), "192.168.1.255");
    EXPECT_EQ(IpAddressText({0, 0, 255, 255, 255, 255}).size(), 15u);
}

} // namespace
} // namespace kivet
