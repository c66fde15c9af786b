#include "messenger/mainwindow/tree_images.h"

namespace kivet {
namespace {
constexpr unsigned char kStateOnline = 1;
constexpr unsigned char kStateAutoReply = 2;
} // namespace

TreeImage ScannedNameImage(bool isComputer, unsigned char stateByte)
{
    if (isComputer) {
        if (stateByte == kStateOnline || stateByte == kStateAutoReply) return TreeImage::ComputerOnline;
        return TreeImage::ComputerOffline;
    }
    if (stateByte == kStateOnline) return TreeImage::UserOnline;
    if (stateByte == kStateAutoReply) return TreeImage::UserAutoReply;
    return TreeImage::UserOffline;
}

} // namespace kivet
