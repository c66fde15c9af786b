#include "messenger/mainwindow/tree_images.h"

#include <gtest/gtest.h>

namespace kivet {
namespace {

TEST(TreeImages, UsersShowTheirComputersStateByte)
{
    EXPECT_EQ(ScannedNameImage(false, 0), TreeImage::UserOffline);
    EXPECT_EQ(ScannedNameImage(false, 1), TreeImage::UserOnline);
    EXPECT_EQ(ScannedNameImage(false, 2), TreeImage::UserAutoReply);
}

TEST(TreeImages, ComputersAreOnLineInAutoReplyMode)
{
    EXPECT_EQ(ScannedNameImage(true, 0), TreeImage::ComputerOffline);
    EXPECT_EQ(ScannedNameImage(true, 1), TreeImage::ComputerOnline);
    EXPECT_EQ(ScannedNameImage(true, 2), TreeImage::ComputerOnline);
}

TEST(TreeImages, UnknownStateBytesShowOffLineAndStayInTheStrip)
{
    for (int state = 3; state <= 255; ++state) {
        const auto byte = static_cast<unsigned char>(state);
        EXPECT_EQ(ScannedNameImage(false, byte), TreeImage::UserOffline) << state;
        EXPECT_EQ(ScannedNameImage(true, byte), TreeImage::ComputerOffline) << state;
    }
}

TEST(TreeImages, EveryScannedImageIsAnIndexOfTheStrip)
{
    for (int state = 0; state <= 255; ++state) {
        for (bool isComputer : {false, true}) {
            const int index = static_cast<int>(ScannedNameImage(isComputer, static_cast<unsigned char>(state)));
            EXPECT_GE(index, 0);
            EXPECT_LT(index, kTreeImageCount);
        }
    }
}

} // namespace
} // namespace kivet
