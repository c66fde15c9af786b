// How the transport fuzz targets read their input: the first byte holds the receive settings,
// one bit each; the rest is a sequence of datagrams, each a 16-bit little-endian length followed
// by that many bytes (the last one cut where the input ends). make_corpus.py writes seeds in
// this form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "messenger/transport/receive_context.h"

namespace kivet::fuzz {

struct FuzzInput {
    ReceiveSettings settings;
    std::vector<std::vector<uint8_t>> datagrams;
};

inline FuzzInput SplitFuzzInput(const uint8_t* data, std::size_t size)
{
    FuzzInput input;
    if (size == 0) return input;
    input.settings.ignorWorkgroup = (data[0] & 0x01) != 0;
    input.settings.activeIgnorList = (data[0] & 0x02) != 0;
    input.settings.logHistory = (data[0] & 0x04) != 0;
    input.settings.autoReplyMode = (data[0] & 0x08) != 0;
    input.settings.useComputerName = (data[0] & 0x10) != 0;
    std::size_t offset = 1;
    while (offset + 2 <= size) {
        const std::size_t length = data[offset] | static_cast<std::size_t>(data[offset + 1]) << 8;
        offset += 2;
        const std::size_t available = size - offset < length ? size - offset : length;
        input.datagrams.emplace_back(data + offset, data + offset + available);
        offset += available;
    }
    return input;
}

// Stops the run as a crash when an invariant breaks, so libFuzzer keeps the input.
inline void Require(bool condition)
{
    if (!condition) __builtin_trap();
}

} // namespace kivet::fuzz
