#include "messenger/send/names_tree.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "messenger/browser/scan_tables.h"

namespace kivet {
namespace {

constexpr std::size_t kTreeTextChars = 29;     // characters of an item's text that are read
constexpr std::size_t kGroupRecipientChars = 16;

NamesTreeNode Heading(const std::string& text, uint32_t value)
{
    NamesTreeNode node;
    node.text = text;
    node.value = value;
    node.heading = true;
    return node;
}

NamesTreeNode Name(std::string text, uint32_t value, TreeImage image, uint8_t state = 0)
{
    NamesTreeNode node;
    node.text = std::move(text);
    node.value = value;
    node.image = image;
    node.state = state;
    return node;
}

void AddIfFilled(std::vector<NamesTreeNode>& tree, NamesTreeNode heading)
{
    if (!heading.children.empty()) tree.push_back(std::move(heading));
}

bool FoundByLastScan(const std::vector<QuickListStatus>& statuses, const std::string& name)
{
    for (const QuickListStatus& status : statuses) {
        const std::string_view listed(status.name, strnlen(status.name, sizeof status.name));
        if (listed.size() != name.size()) continue;
        if (std::equal(listed.begin(), listed.end(), name.begin(), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
            }))
            return status.found;
    }
    return false;
}

NamesTreeNode NetworkGroupsHeading(const NamesTreeInput& in, const NamesTreeTexts& t)
{
    NamesTreeNode heading = Heading(t.networkGroups, kHeadingNetworkGroups);
    uint32_t index = 0;
    for (const std::string& group : in.networkGroups) {
        if (index == kRangeSize) break;
        heading.children.push_back(Name(group, kNetworkGroupItemBase + index++, TreeImage::NetworkGroup));
    }
    for (const std::string& group : in.serverGroups) {
        if (index == kRangeSize) break;
        heading.children.push_back(
            Name(group + t.serverSuffix, kNetworkGroupItemBase + index++, TreeImage::ServerGroup));
    }
    return heading;
}

NamesTreeNode MyGroupsHeading(const NamesTreeInput& in, const NamesTreeTexts& t)
{
    NamesTreeNode heading = Heading(t.myGroups, kHeadingMyGroups);
    uint32_t member = 0;
    for (std::size_t g = 0; g < in.myGroups.size() && g < kRangeSize; ++g) {
        NamesTreeNode group = Name(in.myGroups[g].name, kMyGroupItemBase + static_cast<uint32_t>(g), TreeImage::MyGroup);
        for (const std::string& name : in.myGroups[g].members) {
            if (member == kRangeSize) break;
            group.children.push_back(Name(name, kMemberItemBase + member++, TreeImage::GroupMember));
        }
        heading.children.push_back(std::move(group));
    }
    return heading;
}

NamesTreeNode ListHeading(const std::string& title, uint32_t headingValue, uint32_t base, TreeImage image,
                          const std::vector<std::string>& names)
{
    NamesTreeNode heading = Heading(title, headingValue);
    for (std::size_t i = 0; i < names.size() && i < kRangeSize; ++i)
        heading.children.push_back(Name(names[i], base + static_cast<uint32_t>(i), image));
    return heading;
}

NamesTreeNode QuickListHeading(const NamesTreeInput& in, const NamesTreeTexts& t)
{
    NamesTreeNode heading = ListHeading(t.quickList, kHeadingQuickList, kQuickListItemBase, TreeImage::QuickName,
                                        in.quickList);
    for (NamesTreeNode& name : heading.children)
        if (!FoundByLastScan(in.quickListStatus, name.text)) name.text += t.offlineSuffix;
    return heading;
}

bool LessNoCase(const NamesTreeNode& a, const NamesTreeNode& b)
{
    return std::lexicographical_compare(a.text.begin(), a.text.end(), b.text.begin(), b.text.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
    });
}

TreeImage ScannedImage(const TreeItem& item)
{
    switch (item.branch) {
    case TreeBranch::Domains: return TreeImage::Domain;
    case TreeBranch::Computers: return ScannedNameImage(true, item.state);
    case TreeBranch::Users: break;
    }
    return ScannedNameImage(false, item.state);
}

NamesTreeNode ScannedHeading(const NamesTreeInput& in, TreeBranch branch, const std::string& title, uint32_t value)
{
    NamesTreeNode heading = Heading(title, value);
    for (const TreeItem& item : in.scanned)
        if (item.branch == branch) heading.children.push_back(Name(item.text, item.value, ScannedImage(item), item.state));
    std::stable_sort(heading.children.begin(), heading.children.end(), LessNoCase);
    return heading;
}

bool InRange(uint32_t value, uint32_t first, uint32_t end)
{
    return value >= first && value < end;
}

} // namespace

std::vector<NamesTreeNode> BuildNamesTree(const NamesTreeInput& input, const NamesTreeTexts& texts)
{
    std::vector<NamesTreeNode> tree;
    AddIfFilled(tree, NetworkGroupsHeading(input, texts));
    AddIfFilled(tree, MyGroupsHeading(input, texts));
    AddIfFilled(tree, QuickListHeading(input, texts));
    AddIfFilled(tree, ListHeading(texts.ignoreList, kHeadingIgnoreList, kIgnoreListItemBase, TreeImage::IgnoredName,
                                  input.ignoreList));
    AddIfFilled(tree, ScannedHeading(input, TreeBranch::Domains, texts.domains, kHeadingDomains));
    AddIfFilled(tree, ScannedHeading(input, TreeBranch::Computers, texts.computers, kHeadingComputers));
    AddIfFilled(tree, ScannedHeading(input, TreeBranch::Users, texts.users, kHeadingUsers));
    return tree;
}

bool IsScannedNameValue(uint32_t value)
{
    return InRange(value, kUserItemBase, kDomainItemBase);
}

TreeCommandStates TreeCommandsFor(uint32_t value, uint8_t state)
{
    TreeCommandStates states;
    states.details = InRange(value, kQuickListItemBase, kMyGroupItemBase) ||
                     InRange(value, kMemberItemBase, kMemberItemBase + kRangeSize) || IsScannedNameValue(value);
    states.readAutoReply = IsScannedNameValue(value) && state == kScanAutoReply;
    return states;
}

std::string RecipientOfTreeItem(std::string_view text, uint32_t value, std::string_view offlineSuffix)
{
    if (value < kNetworkGroupItemBase) return std::string();
    text = text.substr(0, kTreeTextChars);
    if (InRange(value, kNetworkGroupItemBase, kQuickListItemBase))
        return std::string(text.substr(0, std::min(text.find(' '), kGroupRecipientChars)));
    if (InRange(value, kQuickListItemBase, kIgnoreListItemBase) && !offlineSuffix.empty() &&
        text.size() > offlineSuffix.size() && text.substr(text.size() - offlineSuffix.size()) == offlineSuffix)
        return std::string(text.substr(0, text.size() - offlineSuffix.size()));
    if (InRange(value, kMyGroupItemBase, kMemberItemBase) && !text.empty() && text.front() != '#')
        return "#" + std::string(text);
    return std::string(text);
}

} // namespace kivet
