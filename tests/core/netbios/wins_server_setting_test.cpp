#include "messenger/netbios/wins_server_setting.h"

#include <gtest/gtest.h>

#include <string>

namespace kivet::nbt {
namespace {

TEST(WinsServerSetting, DottedAddressesInHostOrder)
{
    EXPECT_EQ(ParseWinsServer("10.0.0.5"), 0x0A000005u);
    EXPECT_EQ(ParseWinsServer("192.168.1.254"), 0xC0A801FEu);
    EXPECT_EQ(ParseWinsServer(" \t10.99.0.12 "), 0x0A63000Cu);
    EXPECT_EQ(ParseWinsServer("1.2.3.255"), 0x010203FFu) << "a host ending in 255 is not a broadcast by itself";
}

// The value is whatever a user or a script left in the registry: anything but a plain address
// leaves the service on broadcast, never at a made-up server.
TEST(WinsServerSetting, AnythingElseIsRefused)
{
    for (const char* text : {"", " ", "10.0.0", "10.0.0.5.6", "10.0.0.", ".10.0.0.5", "10..0.5", "256.0.0.1",
                             "10.0.0.1000", "100.100.100.1001", "0010.0.0.5", "10.0.0.5x", "10.0.0.5 junk",
                             "+10.0.0.5", "-1.0.0.5", "10,0,0,5", "wins.example", "0x0A000005", "167772165",
                             "0.0.0.0", "255.255.255.255", "224.0.0.1", "239.255.255.250"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseWinsServer(text).has_value());
    }
}

TEST(WinsServerSetting, AValueWithANulInsideIsRefused)
{
    const std::string text("10.0.0.5\0" "9", 10);
    EXPECT_FALSE(ParseWinsServer(text).has_value());
}

} // namespace
} // namespace kivet::nbt
