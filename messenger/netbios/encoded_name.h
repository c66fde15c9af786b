// NetBIOS names as they travel in name service and datagram packets: the first-level encoding
// (each byte as two letters 'A'..'P', 32 letters for the 16 bytes), followed by the labels of
// the scope identifier and a terminating zero, with DNS-style compression pointers on reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "messenger/browser/netbios.h"
#include "messenger/netbios/wire_cursor.h"

namespace kivet::nbt {

constexpr std::size_t kEncodedNameLength = 32;
constexpr std::size_t kMaxLabelLength = 63;
// Longest name on the wire (the domain-name limit), labels and length bytes included.
constexpr std::size_t kMaxWireNameLength = 255;
// Compression pointers followed for one name; more means a malformed or hostile packet.
constexpr int kMaxNamePointers = 16;

void EncodeFirstLevel(const NetBiosName& name, char (&encoded)[kEncodedNameLength]);
// False unless all 32 bytes are letters 'A'..'P'.
bool DecodeFirstLevel(const uint8_t* encoded, NetBiosName& name);

// False when the scope cannot be written (an empty or over-long label, or over-long in total).
bool IsValidScope(std::string_view scope);

// The encoded name, the scope's labels ("" for no scope, else dotted) and the zero.
void WriteName(WireWriter& writer, const NetBiosName& name, std::string_view scope);
// A pointer to a name written earlier in the same packet (offset from the packet's start).
void WriteNamePointer(WireWriter& writer, uint16_t offset);

// Reads a name at the reader's position, following compression pointers that point backwards;
// the reader ends after the name as it was written (after the first pointer, if any).
bool ReadName(WireReader& reader, NetBiosName& name, std::string& scope);

} // namespace kivet::nbt
