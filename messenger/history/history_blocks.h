// The fixed pieces of the HTML history document. The file is always a complete document: a head
// block written once, then date blocks and entry blocks, and the closing block at the very end,
// which each append overwrites and writes again. Stored files already hold these bytes, so they
// are kept exactly as they are, including "</tr width=...>" and "<td></tr>" in the head block.
#pragma once

#include <string>
#include <string_view>

namespace kivet {

// "<a name="bottom"></a>", "</body>", "</html>", each ending with CR LF.
constexpr std::string_view kHistoryClosingBlock = "<a name=\"bottom\"></a>\r\n</body>\r\n</html>\r\n";
static_assert(kHistoryClosingBlock.size() == 41, "the closing block is 41 bytes");

// Who the history belongs to and where its pictures are: programFolder is the program's folder
// as an absolute path ending with a backslash; user and computer are in display form.
struct HistoryOwner {
    std::string programFolder;
    std::string user;
    std::string computer;
};

// One message: incoming ones show "from sender to recipient", outgoing ones "to recipient".
struct HistoryEntry {
    std::string_view sender;
    std::string_view recipient;
    std::string_view text;
    bool incoming = false;
};

// The head of a new file: title, style sheet, the owner's user and computer names, followed by
// the date block of the given date.
std::string HistoryHeadBlock(const HistoryOwner& owner, std::string_view date);
// The row that separates the entries of different days.
std::string HistoryDateBlock(std::string_view date);
// One message with its direction picture, its names, the time and the converted text.
std::string HistoryEntryBlock(std::string_view programFolder, const HistoryEntry& entry, std::string_view time);

} // namespace kivet
