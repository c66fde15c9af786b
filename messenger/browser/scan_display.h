// The status-bar parts and tree items a scan shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/text_codec.h"
#include "messenger/browser/scan_observer.h"
#include "messenger/browser/scan_tables.h"

namespace kivet {

// "Retrieving the list of computers on the network..." with the retrieving picture.
std::vector<StatusPart> RetrievingStatus();
// "Scanning the local network: processing <Name>..." with the retrieving picture.
std::vector<StatusPart> ScanningStatus(const TextCodec& codec, std::string_view computer);
// "Computers: n" and "Users: n" with their pictures, and " Updated at <time>" (no time, no
// third part).
std::vector<StatusPart> FiguresStatus(std::size_t computers, std::size_t users, std::string_view scanTime);

// The domains, computers and users of the tables as tree items, names normalised.
std::vector<TreeItem> TreeItemsOf(const ScanTables& tables, const TextCodec& codec);

} // namespace kivet
