// Fuzzes the reading of an existing history file: the input is the whole file. One entry is
// appended to it; everything before the place the entry went must be unchanged, the bytes given
// up must be only the program's own closing bytes and blanks, and the file must end with the
// closing block.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "messenger/history/closing_block.h"
#include "messenger/history/history_writer.h"
#include "tests/fakes/memory_history_files.h"
#include "tests/fakes/memory_registry.h"

using namespace kivet;

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string old(reinterpret_cast<const char*>(data), size);
    const std::string closing(kHistoryClosingBlock);
    std::size_t tail = size < kHistoryTailWindow ? size : kHistoryTailWindow;
    HistoryWritePlace place = FindHistoryWritePlace(size, std::string_view(old).substr(size - tail));
    Require(place.offset <= size);
    Require(place.empty == (size == 0));
    // Given up: a beginning of the closing block, or the closing block with blanks for its last
    // line end.
    std::string given = old.substr(static_cast<std::size_t>(place.offset));
    bool closingStart = given.size() <= closing.size() && closing.compare(0, given.size(), given) == 0;
    bool closingAndBlanks = given.size() >= closing.size() - 2 && given.compare(0, closing.size() - 2, closing, 0,
                                                                                  closing.size() - 2) == 0;
    for (std::size_t i = closing.size() - 2; closingAndBlanks && i < given.size(); ++i)
        closingAndBlanks = IsBlank(given[i]);
    Require(closingStart || closingAndBlanks);

    testing::MemoryHistoryFiles files;
    testing::MemoryRegistry registry;
    HistoryWriter writer(files, registry, [] { return LocalTime{2024, 3, 5, 12, 0, 0}; },
                         HistoryOwner{"C:\\K\\", "U", "C"}, "U");
    files.files[writer.FilePath()] = old;
    Require(writer.AppendHistory({"A", "B", "entry", true}));
    const std::string& now = files.files[writer.FilePath()];
    Require(now.compare(0, static_cast<std::size_t>(place.offset), old, 0, static_cast<std::size_t>(place.offset)) == 0);
    Require(now.size() >= closing.size() && now.compare(now.size() - closing.size(), closing.size(), closing) == 0);
    return 0;
}
