// Mailslot names that come from callers and from the network. Only a plain relative name below
// "\mailslot\" is accepted (backslash-separated components of printable characters, no "." or
// ".." components, nothing a file system would read as a device, drive or stream), so that a
// received name can never reach outside the local mailslot namespace.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kivet::nbt {

// Longest name below "\mailslot\" accepted (the wire name must fit its 255 characters).
constexpr std::size_t kMaxMailslotLeafLength = 200;

// The part after "\mailslot\" (compared ignoring case) when the whole path is acceptable:
// "\mailslot\kivet\group" -> "kivet\group".
std::optional<std::string> MailslotLeaf(std::string_view path);

// The name carried in the transaction: "\MAILSLOT\" + leaf.
std::string WireMailslotName(std::string_view leaf);

} // namespace kivet::nbt
