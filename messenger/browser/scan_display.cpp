#include "messenger/browser/scan_display.h"

#include "common/fixed_text.h"
#include "messenger/browser/text_format.h"
#include "messenger/resources/resource.h"
#include "messenger/runtime/text_table.h"

namespace kivet {

std::vector<StatusPart> RetrievingStatus()
{
    return {{Text(IDS_RETRIEVING_COMPUTERS), IDI_RETRIEVING}};
}

std::vector<StatusPart> ScanningStatus(const TextCodec& codec, std::string_view computer)
{
    return {{FillPlaceholders(Text(IDS_SCANNING_COMPUTER), {NormaliseName(codec, computer)}), IDI_RETRIEVING}};
}

std::vector<StatusPart> FiguresStatus(std::size_t computers, std::size_t users, std::string_view scanTime)
{
    std::vector<StatusPart> parts;
    parts.push_back({FillPlaceholders("%s: %d", {Text(IDS_COMPUTERS), std::to_string(computers)}), IDI_COMPUTERS});
    parts.push_back({FillPlaceholders("%s: %d", {Text(IDS_USERS), std::to_string(users)}), IDI_USERS});
    if (!scanTime.empty()) parts.push_back({FillPlaceholders(" %s %s", {Text(IDS_UPDATED_AT), scanTime}), 0});
    return parts;
}

std::vector<TreeItem> TreeItemsOf(const ScanTables& tables, const TextCodec& codec)
{
    std::vector<TreeItem> items;
    items.reserve(tables.domains.size() + tables.computers.size() + tables.users.size());
    for (std::size_t i = 0; i < tables.domains.size(); ++i)
        items.push_back({TreeBranch::Domains, NormaliseName(codec, FieldText(tables.domains[i].name)),
                         kDomainItemBase + static_cast<uint32_t>(i), 0});
    for (std::size_t i = 0; i < tables.computers.size(); ++i)
        items.push_back({TreeBranch::Computers, NormaliseName(codec, FieldText(tables.computers[i].name)),
                         kComputerItemBase + static_cast<uint32_t>(i), tables.computers[i].state});
    for (std::size_t i = 0; i < tables.users.size(); ++i)
        items.push_back({TreeBranch::Users, NormaliseName(codec, FieldText(tables.users[i].name)),
                         kUserItemBase + static_cast<uint32_t>(i), tables.users[i].state});
    return items;
}

} // namespace kivet
