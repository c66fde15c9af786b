#include "messenger/netbios/mailslot_path.h"

#include <cstdint>
#include <cstring>

#include "common/fixed_text.h"

namespace kivet::nbt {
namespace {

constexpr std::string_view kPrefix = "\\mailslot\\";

bool IsNameCharacter(char c)
{
    const auto byte = static_cast<uint8_t>(c);
    return byte > 0x20 && byte < 0x7F && std::strchr("/:*?\"<>|", c) == nullptr;
}

bool IsAcceptableComponent(std::string_view component)
{
    if (component.empty() || component == "." || component == "..") return false;
    for (const char c : component)
        if (!IsNameCharacter(c)) return false;
    return true;
}

} // namespace

std::optional<std::string> MailslotLeaf(std::string_view path)
{
    if (path.size() <= kPrefix.size() || !EqualsNoCase(path.substr(0, kPrefix.size()), kPrefix))
        return std::nullopt;
    const std::string_view leaf = path.substr(kPrefix.size());
    if (leaf.size() > kMaxMailslotLeafLength) return std::nullopt;
    std::string_view rest = leaf;
    for (;;) {
        const std::size_t slash = rest.find('\\');
        if (!IsAcceptableComponent(rest.substr(0, slash))) return std::nullopt;
        if (slash == std::string_view::npos) break;
        rest = rest.substr(slash + 1);
    }
    return std::string(leaf);
}

std::string WireMailslotName(std::string_view leaf)
{
    return "\\MAILSLOT\\" + std::string(leaf);
}

} // namespace kivet::nbt
