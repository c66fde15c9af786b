// The mailslots as the message transport sees them. The program implements these with the
// system's mailslot calls; tests use queues in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kivet {

// Mailslot paths, without the leading "\\<target>".
constexpr std::string_view kPlainMailslot = "\\mailslot\\messngr";
constexpr std::string_view kGroupMailslot = "\\mailslot\\kivet\\group";
constexpr std::string_view kAutoReplyMailslot = "\\mailslot\\kivet\\autoanswer";
constexpr std::string_view kRelayClientMailslot = "\\mailslot\\kgclient";
constexpr std::string_view kRelayGroupServerMailslot = "\\mailslot\\kgserver";
constexpr std::string_view kRelayMessageServerMailslot = "\\mailslot\\kmserver";

class MailslotReader {
public:
    virtual ~MailslotReader() = default;
    // The size of the next datagram and the number waiting; false when the query fails.
    virtual bool Peek(uint32_t& nextSize, uint32_t& waiting) = 0;
    // Reads the next datagram whole, however long; false when the read fails.
    virtual bool Read(std::vector<uint8_t>& datagram) = 0;
};

class MailslotWriter {
public:
    virtual ~MailslotWriter() = default;
    // Opens "\\" + target + path, writes the bytes with one write, closes. False when the target
    // cannot be opened (nothing is written).
    virtual bool Write(std::string_view target, std::string_view path, const uint8_t* data, std::size_t size) = 0;
};

} // namespace kivet
