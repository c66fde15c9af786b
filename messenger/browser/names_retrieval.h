// The domains of the network and, on request, the computers of each, as the network provider
// lists them, bounded by the tables' capacities.
#pragma once

#include "common/text_codec.h"
#include "messenger/browser/network_provider.h"
#include "messenger/browser/scan_tables.h"

namespace kivet {

class ActionWriter;

// Fills the domain table and, withComputers, the computer table (every state off line) of a new
// set of tables. Names are upper-cased and cut to 15 characters; empty names are passed over. A
// network that cannot be enumerated leaves the tables empty.
ScanTables RetrieveNames(NetworkProvider& provider, const TextCodec& codec, ActionWriter& log, bool withComputers);

} // namespace kivet
