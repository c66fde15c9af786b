#include "messenger/browser/names_retrieval.h"

#include <string>
#include <vector>

#include "common/fixed_text.h"
#include "messenger/runtime/action_log.h"

namespace kivet {
namespace {

// At most 15 characters of the upper-cased name, without leading backslashes and stopping at a
// NUL byte; empty when nothing is left.
std::string TableName(const TextCodec& codec, std::string_view name)
{
    while (!name.empty() && name.front() == '\\')
        name.remove_prefix(1);
    const std::size_t nul = name.find('\0');
    if (nul != std::string_view::npos) name = name.substr(0, nul);
    if (name.size() > 15) name = name.substr(0, 15);
    return codec.Upper(name).substr(0, 15);
}

// Adds the domains to the table; returns the names as the provider listed them, one per entry,
// for asking it about their computers.
std::vector<std::string> AddDomains(ScanTables& tables, const std::vector<std::string>& listed,
                                    const TextCodec& codec)
{
    std::vector<std::string> added;
    for (const std::string& listedName : listed) {
        if (tables.domains.size() >= kMaxDomains) break;
        const std::string name = TableName(codec, listedName);
        if (name.empty()) continue;
        DomainEntry entry{};
        CopyCut(entry.name, name);
        tables.domains.push_back(entry);
        added.push_back(listedName);
    }
    return added;
}

void AddComputers(ScanTables& tables, uint16_t domainIndex, const std::vector<std::string>& listed,
                  const TextCodec& codec)
{
    for (const std::string& listedName : listed) {
        if (tables.computers.size() >= kMaxComputers) return;
        const std::string name = TableName(codec, listedName);
        if (name.empty()) continue;
        ScannedComputer entry{};
        CopyCut(entry.name, name);
        entry.domainIndex = domainIndex;
        entry.state = kScanOffline;
        tables.computers.push_back(entry);
    }
}

} // namespace

ScanTables RetrieveNames(NetworkProvider& provider, const TextCodec& codec, ActionWriter& log, bool withComputers)
{
    ScanTables tables;
    log.Write("Retrieving computer names on the network...");
    std::vector<std::string> listed;
    if (!provider.EnumerateDomains(listed)) listed.clear();
    const std::vector<std::string> domains = AddDomains(tables, listed, codec);
    for (std::size_t i = 0; withComputers && i < domains.size(); ++i) {
        if (tables.computers.size() >= kMaxComputers) break;
        std::vector<std::string> computers;
        if (provider.EnumerateComputers(domains[i], computers))
            AddComputers(tables, static_cast<uint16_t>(i), computers, codec);
    }
    log.Write("Retrieving computer names on the network complete.");
    return tables;
}

} // namespace kivet
