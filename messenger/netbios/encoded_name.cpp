#include "messenger/netbios/encoded_name.h"

namespace kivet::nbt {
namespace {

constexpr uint8_t kPointerBits = 0xC0;

bool IsScopeCharacter(uint8_t c)
{
    return c > 0x20 && c < 0x7F && c != '.';
}

// One label of the scope: appended to the dotted text.
bool ReadScopeLabel(const uint8_t* label, std::size_t length, std::string& scope)
{
    if (!scope.empty()) scope.push_back('.');
    for (std::size_t i = 0; i < length; ++i) {
        if (!IsScopeCharacter(label[i])) return false;
        scope.push_back(static_cast<char>(label[i]));
    }
    return true;
}

} // namespace

void EncodeFirstLevel(const NetBiosName& name, char (&encoded)[kEncodedNameLength])
{
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<uint8_t>(name[i]);
        encoded[2 * i] = static_cast<char>('A' + (byte >> 4));
        encoded[2 * i + 1] = static_cast<char>('A' + (byte & 0x0F));
    }
}

bool DecodeFirstLevel(const uint8_t* encoded, NetBiosName& name)
{
    for (std::size_t i = 0; i < name.size(); ++i) {
        const uint8_t high = encoded[2 * i] - 'A';
        const uint8_t low = encoded[2 * i + 1] - 'A';
        if (high > 15 || low > 15) return false;
        name[i] = static_cast<char>(high << 4 | low);
    }
    return true;
}

bool IsValidScope(std::string_view scope)
{
    if (scope.empty()) return true;
    if (1 + kEncodedNameLength + 1 + scope.size() + 1 > kMaxWireNameLength) return false;
    std::size_t labelLength = 0;
    for (const char c : scope) {
        if (c == '.') {
            if (labelLength == 0) return false;
            labelLength = 0;
            continue;
        }
        if (!IsScopeCharacter(static_cast<uint8_t>(c)) || ++labelLength > kMaxLabelLength) return false;
    }
    return labelLength != 0;
}

void WriteName(WireWriter& writer, const NetBiosName& name, std::string_view scope)
{
    char encoded[kEncodedNameLength];
    EncodeFirstLevel(name, encoded);
    writer.U8(kEncodedNameLength);
    writer.Bytes(encoded, sizeof encoded);
    while (!scope.empty()) {
        const std::size_t dot = scope.find('.');
        const std::string_view label = scope.substr(0, dot);
        writer.U8(static_cast<uint8_t>(label.size()));
        writer.Bytes(label.data(), label.size());
        scope = dot == std::string_view::npos ? std::string_view() : scope.substr(dot + 1);
    }
    writer.U8(0);
}

void WriteNamePointer(WireWriter& writer, uint16_t offset)
{
    writer.U16(static_cast<uint16_t>(0xC000 | (offset & 0x3FFF)));
}

bool ReadName(WireReader& reader, NetBiosName& name, std::string& scope)
{
    scope.clear();
    std::size_t resumeAt = 0; // where the reader continues after a pointer was followed
    std::size_t wireLength = 0;
    int pointers = 0;
    bool first = true;
    for (;;) {
        const std::size_t labelStart = reader.Position();
        const uint8_t length = reader.U8();
        if (!reader.Ok()) return false;
        if ((length & kPointerBits) == kPointerBits) {
            const std::size_t target = static_cast<std::size_t>(length & 0x3F) << 8 | reader.U8();
            // Only backwards: a pointer to itself or ahead could loop.
            if (!reader.Ok() || target >= labelStart || ++pointers > kMaxNamePointers) return reader.Fail();
            if (resumeAt == 0) resumeAt = reader.Position();
            reader.Seek(target);
            continue;
        }
        if ((length & kPointerBits) != 0) return reader.Fail(); // reserved label types
        wireLength += 1 + length;
        if (wireLength > kMaxWireNameLength) return reader.Fail();
        if (length == 0) break;
        const uint8_t* label = reader.Bytes(length);
        if (label == nullptr) return false;
        if (first) {
            if (length != kEncodedNameLength || !DecodeFirstLevel(label, name)) return reader.Fail();
            first = false;
        } else if (length > kMaxLabelLength || !ReadScopeLabel(label, length, scope)) {
            return reader.Fail();
        }
    }
    if (first) return reader.Fail(); // an empty name
    if (resumeAt != 0) reader.Seek(resumeAt);
    return reader.Ok();
}

} // namespace kivet::nbt
