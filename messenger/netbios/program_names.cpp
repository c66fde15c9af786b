#include "messenger/netbios/program_names.h"

#include "common/fixed_text.h"
#include "messenger/netbios/name_text.h"

namespace kivet::nbt {
namespace {

void AddIfValid(std::vector<NameToAdd>& names, std::string_view text, uint8_t suffix, bool group)
{
    if (const auto name = NameFromText(text, suffix)) names.push_back(NameToAdd{*name, group});
}

} // namespace

std::vector<NameToAdd> ProgramNames(std::string_view computer, std::string_view user, std::string_view workgroup)
{
    std::vector<NameToAdd> names;
    AddIfValid(names, computer, kSuffixWorkstation, false);
    AddIfValid(names, computer, kSuffixMessenger, false);
    if (!EqualsNoCase(user, computer)) AddIfValid(names, user, kSuffixMessenger, false);
    AddIfValid(names, workgroup, kSuffixWorkstation, true);
    AddIfValid(names, workgroup, kSuffixBrowser, true);
    return names;
}

NetBiosName AutoReplyName()
{
    return *NameFromText(kAutoReplyNameText, kSuffixAutoReply);
}

std::string WorkgroupToRegister(std::string_view lanGroup, std::string_view computer)
{
    if (lanGroup.empty() || EqualsNoCase(lanGroup, computer)) return std::string(kDefaultWorkgroup);
    return std::string(lanGroup);
}

} // namespace kivet::nbt
