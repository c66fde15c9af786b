// Feeds a fuzzed sequence of datagrams to the relay client's group-list reader and checks what
// the list holds afterwards. Input: records of a 2-byte little-endian length and that many bytes;
// the first byte chooses whether the list starts filled and after how many reads the mailslot fails.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/transport/relay_client.h"
#include "tests/core/relay/memory_mailslot.h"

namespace {

class AsciiUpperCodec : public kivet::TextCodec {
public:
    std::string AnsiToOem(std::string_view ansi) const override { return std::string(ansi); }
    std::string OemToAnsi(std::string_view oem) const override { return std::string(oem); }
    std::string Upper(std::string_view ansi) const override
    {
        std::string upper(ansi);
        for (char& c : upper)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        return upper;
    }
    std::string Lower(std::string_view ansi) const override { return std::string(ansi); }
};

// A reader whose reads start failing after a given number.
class FailingAfterReader : public kivet::MemoryMailslotReader {
public:
    int readsBeforeFailure = -1;
    bool Read(std::vector<uint8_t>& datagram) override
    {
        if (readsBeforeFailure == 0) return false;
        if (readsBeforeFailure > 0) --readsBeforeFailure;
        return MemoryMailslotReader::Read(datagram);
    }
};

std::deque<std::vector<uint8_t>> SplitDatagrams(const uint8_t* data, std::size_t size)
{
    std::deque<std::vector<uint8_t>> datagrams;
    std::size_t at = 0;
    while (at + 2 <= size) {
        const std::size_t length = static_cast<std::size_t>(data[at]) | static_cast<std::size_t>(data[at + 1]) << 8;
        at += 2;
        const std::size_t taken = length < size - at ? length : size - at;
        datagrams.emplace_back(data + at, data + at + taken);
        at += taken;
    }
    return datagrams;
}

void Check(bool condition)
{
    if (!condition) std::abort();
}

// What the list must hold whatever arrived: at most 50 distinct, non-empty, upper-cased names of
// at most 19 characters.
void CheckList(const kivet::ServerGroupList& list)
{
    const std::vector<std::string> names = list.Names();
    Check(names.size() <= kivet::kServerGroupListLimit);
    for (std::size_t i = 0; i < names.size(); ++i) {
        Check(!names[i].empty() && names[i].size() <= kivet::kServerGroupNameLimit);
        Check(names[i].find('\0') == std::string::npos);
        for (char c : names[i])
            Check(!(c >= 'a' && c <= 'z'));
        for (std::size_t j = i + 1; j < names.size(); ++j)
            Check(names[i] != names[j]);
        Check(list.Contains(names[i]));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const uint8_t control = data[0];

    kivet::ServerGroupList list;
    if (control & 0x01) list.Add("KEPT");
    FailingAfterReader reader;
    if (control & 0x02) reader.readsBeforeFailure = control >> 4;
    reader.queue = SplitDatagrams(data + 1, size - 1);
    const std::size_t waiting = reader.queue.size();

    AsciiUpperCodec codec;
    Check(kivet::ReadGroupLists(reader, list, codec) == 1);
    CheckList(list);
    if (!(control & 0x02)) Check(reader.queue.empty());
    Check(static_cast<std::size_t>(reader.reads) <= waiting);
    return 0;
}
