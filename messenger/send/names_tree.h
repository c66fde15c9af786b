// The send dialog's names tree: which headings and names it shows in which order, the value each
// item carries, the name an item puts into the recipient box, and which of the tree's commands a
// selected item allows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/browser/quick_list_status.h"
#include "messenger/browser/scan_observer.h"
#include "messenger/mainwindow/tree_images.h"

namespace kivet {

// Item values. Headings are 0 to 6; every name's value lies in the range of its kind.
enum : uint32_t {
    kHeadingNetworkGroups = 0,
    kHeadingQuickList = 1,
    kHeadingIgnoreList = 2,
    kHeadingMyGroups = 3,
    kHeadingDomains = 4,
    kHeadingComputers = 5,
    kHeadingUsers = 6,
    kNetworkGroupItemBase = 100, // the user's Network Groups, then the relay server's groups
    kQuickListItemBase = 200,
    kIgnoreListItemBase = 300,
    kMyGroupItemBase = 400,
    kMemberItemBase = 500, // members of every My Group, numbered on across the groups
    kRangeSize = 100,      // names of one kind before the next kind's range begins
};

struct MyGroupNames {
    std::string name;
    std::vector<std::string> members;
};

// Everything the tree shows.
struct NamesTreeInput {
    std::vector<std::string> networkGroups;
    std::vector<std::string> serverGroups; // announced by the relay server
    std::vector<MyGroupNames> myGroups;
    std::vector<std::string> quickList;
    std::vector<QuickListStatus> quickListStatus; // found by the last scan or look-up
    std::vector<std::string> ignoreList;
    std::vector<TreeItem> scanned; // domains, computers and users of the last scan
};

// The headings' texts and the two suffixes, from the text table.
struct NamesTreeTexts {
    std::string networkGroups, myGroups, quickList, ignoreList, domains, computers, users;
    std::string serverSuffix;  // " (Server)"
    std::string offlineSuffix; // " (Offline)"
};

struct NamesTreeNode {
    std::string text;
    uint32_t value = 0;
    TreeImage image = TreeImage::FolderClosed;
    bool heading = false;
    uint8_t state = 0; // a scanned name's state byte
    std::vector<NamesTreeNode> children;
};

// The headings in their order, each only when it has names: Network Groups, My Groups, Quick
// List, Ignore List, Domains, Computers, Users. Lists keep their order; scanned names are sorted
// among their siblings. A kind with more names than its value range holds shows the first ones.
std::vector<NamesTreeNode> BuildNamesTree(const NamesTreeInput& input, const NamesTreeTexts& texts);

// What the tree's commands may do for the selected item.
struct TreeCommandStates {
    bool details = false;       // also Browse computer
    bool readAutoReply = false; // a scanned user or computer in Auto-Reply mode
    bool transfer = false;      // the transfer component is not part of the program
    bool refresh = true;
};
TreeCommandStates TreeCommandsFor(uint32_t value, uint8_t state);

// True for the values of scanned users and computers (not domains).
bool IsScannedNameValue(uint32_t value);

// The recipient an item stands for (the item's text, at most 29 characters, read): a Network Group
// without the server's suffix (text before the first blank, at most 16 characters), a Quick List
// name without the offline suffix, a My Group as "#" and its name. Headings stand for nobody: "".
std::string RecipientOfTreeItem(std::string_view text, uint32_t value, std::string_view offlineSuffix);

} // namespace kivet
