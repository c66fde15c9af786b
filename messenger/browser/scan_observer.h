// What a network scan shows while it runs, for the window that displays it (the send dialog):
// the status bar's parts and the names tree. Called from the scan's threads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kivet {

struct StatusPart {
    std::string text;
    int icon = 0; // an IDI_ icon number, 0 for none
};

enum class TreeBranch { Domains, Computers, Users };

// Item values: 21000 + domain index, 11000 + computer index, 1000 + user index.
constexpr uint32_t kDomainItemBase = 21000;
constexpr uint32_t kComputerItemBase = 11000;
constexpr uint32_t kUserItemBase = 1000;

struct TreeItem {
    TreeBranch branch = TreeBranch::Domains;
    std::string text; // the normalised name
    uint32_t value = 0;
    uint8_t state = 0; // the scan's state byte (domains 0): picks the item's picture
};

class ScanObserver {
public:
    virtual ~ScanObserver() = default;
    // Replaces the status bar's parts with these.
    virtual void ShowStatus(const std::vector<StatusPart>& parts) = 0;
    // Removes the scanned names from the tree (the Domains, Computers and Users branches).
    virtual void ClearTree() = 0;
    // Inserts the names, each sorted among its siblings; the branches are then expanded.
    virtual void InsertTreeItems(const std::vector<TreeItem>& items) = 0;
};

} // namespace kivet
