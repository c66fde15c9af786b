// The small pictures of the send dialog's names tree: one 16x16 image list of 14 images,
// loaded from the strip messenger/resources/bitmaps/tree_images.bmp (drawn by
// tools/make_tree_images.py, magenta background = transparent). The enum values are the
// images' positions in that strip, so the script and this header must list them in the
// same order.
//
// A computer in Auto-Reply mode is on line, so it shows ComputerOnline; its Auto-Reply
// state is visible on the users logged on at it (UserAutoReply) and through the tree's
// "Read Auto-Reply message" command, which is enabled by the state byte itself.
#pragma once

namespace kivet {

enum class TreeImage : int {
    FolderClosed = 0,
    FolderOpen = 1,
    NetworkGroup = 2,
    ServerGroup = 3, // a group announced by the relay server
    MyGroup = 4,
    GroupMember = 5,
    QuickName = 6,
    IgnoredName = 7,
    Domain = 8,
    ComputerOffline = 9,
    ComputerOnline = 10,
    UserOffline = 11,
    UserOnline = 12,
    UserAutoReply = 13,
};
constexpr int kTreeImageCount = 14;
constexpr int kTreeImageSize = 16;

// The image of a scanned user or computer by its state byte (0 off line, 1 on line, 2 Auto-Reply
// mode). Any other value was not written by a scan and is shown as off line.
TreeImage ScannedNameImage(bool isComputer, unsigned char stateByte);

} // namespace kivet
