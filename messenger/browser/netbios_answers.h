// The answer buffers of the two NetBIOS commands that bring data from the network: the adapter
// status (NCBASTAT, read into 420 bytes) and the find-name answer (NCBFINDNAME, 500 bytes). The
// layouts are those of the Netbios() interface; the readers trust nothing in them but the bytes
// actually received.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "messenger/browser/netbios.h"

namespace kivet {

// Byte layout of the adapter-status header (ADAPTER_STATUS): the fields the program reads.
struct AdapterStatusLayout {
    static constexpr std::size_t kMacAddress = 0; // 6 bytes
    static constexpr std::size_t kNameCount = 58; // 16-bit little-endian
    static constexpr std::size_t kHeaderSize = 60;
    // Each name entry (NAME_BUFFER): the 16-byte name, its number and its flags byte.
    static constexpr std::size_t kEntryName = 0;
    static constexpr std::size_t kEntryNumber = 16;
    static constexpr std::size_t kEntryFlags = 17;
    static constexpr std::size_t kEntrySize = 18;
};

// Byte layout of the find-name answer: a header (FIND_NAME_HEADER) and one entry per node that
// answered (FIND_NAME_BUFFER).
struct FindNameLayout {
    static constexpr std::size_t kNodeCount = 0; // 16-bit little-endian
    static constexpr std::size_t kHeaderSize = 4;
    static constexpr std::size_t kEntrySourceAddress = 9; // 6 bytes
    static constexpr std::size_t kEntrySize = 33;
};

constexpr std::size_t kAdapterStatusBufferSize = 420; // the header and 20 name entries
constexpr std::size_t kFindNameBufferSize = 500;

// Reads an adapter-status answer of `length` received bytes. Only whole name entries inside the
// received bytes are read, however many the header announces. False when not even the header
// arrived.
bool ReadAdapterStatusAnswer(const uint8_t* data, std::size_t length, AdapterStatus& status);

// Reads the first node's source address from a find-name answer of `length` received bytes.
// False when no node is announced or the first entry did not arrive whole.
bool ReadFindNameAnswer(const uint8_t* data, std::size_t length, std::array<uint8_t, 6>& sourceAddress);

} // namespace kivet
