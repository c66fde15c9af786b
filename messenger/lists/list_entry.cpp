#include "messenger/lists/list_entry.h"

namespace kivet {
namespace {

constexpr std::size_t kNameChars = 16;
constexpr char kCtrlC = '\x03'; // byte 3 (Ctrl+C) is never part of a name

std::string_view Head(std::string_view text, std::size_t chars)
{
    return text.substr(0, chars);
}

// A name without byte 3 anywhere and without blanks at its end.
std::string WithoutBlankEndOrCtrlC(std::string_view text)
{
    std::string name;
    for (char c : text)
        if (c != kCtrlC) name += c;
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

} // namespace

EntryForm FormOf(ListKind kind)
{
    switch (kind) {
    case ListKind::NetworkGroups: return {19, true};
    case ListKind::IgnoreList: return {16, true};
    case ListKind::QuickList: return {16, true};
    case ListKind::QuickAnswers: return {19, false};
    case ListKind::MyGroup: return {19, true};
    case ListKind::MyGroupMember: return {16, true};
    }
    return {0, false};
}

std::string QuickAddName(std::string_view name)
{
    return std::string(Head(name.substr(0, name.find(' ')), kNameChars));
}

std::string NormaliseEntry(ListKind kind, std::string_view typed, const TextCodec& codec)
{
    std::string_view input = Head(typed, FormOf(kind).inputLimit);
    switch (kind) {
    case ListKind::NetworkGroups:
    case ListKind::MyGroup: return codec.Upper(QuickAddName(input));
    case ListKind::IgnoreList:
    case ListKind::QuickList:
    case ListKind::MyGroupMember: return codec.Upper(Head(WithoutBlankEndOrCtrlC(input), kNameChars));
    case ListKind::QuickAnswers: return std::string(input);
    }
    return std::string();
}

} // namespace kivet
