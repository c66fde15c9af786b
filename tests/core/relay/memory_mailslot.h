// Mailslots in memory: a reader that hands out queued datagrams (and can be told to fail) and a
// writer that records every datagram and refuses the targets it is told to.
#pragma once

#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/transport/mailslot_port.h"

namespace kivet {

class MemoryMailslotReader : public MailslotReader {
public:
    std::deque<std::vector<uint8_t>> queue;
    bool failPeek = false;
    bool failRead = false;
    int reads = 0;

    bool Peek(uint32_t& nextSize, uint32_t& waiting) override
    {
        if (failPeek) return false;
        waiting = static_cast<uint32_t>(queue.size());
        nextSize = queue.empty() ? 0xFFFFFFFFu : static_cast<uint32_t>(queue.front().size());
        return true;
    }

    bool Read(std::vector<uint8_t>& datagram) override
    {
        if (failRead || queue.empty()) return false;
        ++reads;
        datagram = std::move(queue.front());
        queue.pop_front();
        return true;
    }
};

struct WrittenDatagram {
    std::string target;
    std::string path;
    std::vector<uint8_t> bytes;
};

class RecordingMailslotWriter : public MailslotWriter {
public:
    std::vector<WrittenDatagram> written;
    std::set<std::string> refused; // targets that cannot be opened
    int attempts = 0;

    bool Write(std::string_view target, std::string_view path, const uint8_t* data, std::size_t size) override
    {
        ++attempts;
        if (refused.count(std::string(target)) != 0) return false;
        written.push_back({std::string(target), std::string(path), std::vector<uint8_t>(data, data + size)});
        return true;
    }
};

} // namespace kivet
