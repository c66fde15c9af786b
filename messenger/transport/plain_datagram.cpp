#include "messenger/transport/plain_datagram.h"

#include <algorithm>

namespace kivet {
namespace {

// The sender field is the longest: a cut name followed by the auto-reply suffix.
static_assert(kPlainNameLength + kAutoReplySuffix.size() + 2 * kPlainNameLength + kPlainPieceLength + 6 <=
                  kPlainBuildLimit,
              "every datagram fits the build buffer");

// The part of a converted field that travels: up to a NUL it may hold, at most width bytes.
std::string_view WireField(std::string_view converted, std::size_t width)
{
    converted = converted.substr(0, converted.find('\0'));
    return converted.substr(0, width);
}

void AppendField(std::vector<uint8_t>& datagram, std::string_view field)
{
    datagram.insert(datagram.end(), field.begin(), field.end());
    datagram.push_back(0);
}

std::string SenderField(const TextCodec& codec, const PlainHeader& header)
{
    const std::string oem = codec.AnsiToOem(NormaliseName(codec, header.senderName));
    std::string sender(WireField(oem, kPlainNameLength));
    if (header.autoReply) sender += WireField(codec.AnsiToOem(kAutoReplySuffix), kAutoReplySuffix.size());
    return sender;
}

// Where the field starting at begin ends: at the next NUL or at the end of the datagram.
std::size_t FieldEnd(const uint8_t* data, std::size_t size, std::size_t begin)
{
    const uint8_t* end = std::find(data + begin, data + size, uint8_t{0});
    return static_cast<std::size_t>(end - data);
}

std::string_view Bytes(const uint8_t* data, std::size_t begin, std::size_t end)
{
    return std::string_view(reinterpret_cast<const char*>(data) + begin, end - begin);
}

} // namespace

std::vector<std::string_view> SplitPlainText(std::string_view text)
{
    if (text.size() < kPlainPieceLength) return {text};
    std::vector<std::string_view> pieces;
    std::size_t offset = 0;
    for (; text.size() - offset >= kPlainPieceLength; offset += kPlainPieceLength)
        pieces.push_back(text.substr(offset, kPlainPieceLength));
    pieces.push_back(text.substr(offset));
    return pieces;
}

std::vector<uint8_t> BuildPlainDatagram(const TextCodec& codec, const PlainHeader& header, std::string_view piece,
                                        uint8_t flag)
{
    const std::string sender = SenderField(codec, header);
    const std::string recipient = codec.AnsiToOem(NormaliseName(codec, header.recipient));
    const std::string text = codec.AnsiToOem(piece);
    const std::string origin = codec.AnsiToOem(header.originComputer);

    std::vector<uint8_t> datagram;
    datagram.reserve(kPlainBuildLimit);
    AppendField(datagram, sender);
    AppendField(datagram, WireField(recipient, kPlainNameLength));
    AppendField(datagram, WireField(text, kPlainPieceLength));
    AppendField(datagram, WireField(origin, kPlainNameLength));
    datagram.push_back(flag);
    datagram.push_back(0);
    return datagram;
}

int ClassifyPlainDatagram(const uint8_t* data, std::size_t size)
{
    const auto nuls = std::count(data, data + size, uint8_t{0});
    if (nuls >= 4) return 3;
    if (nuls == 3) return 2;
    if (nuls == 2) return 1;
    return 0;
}

uint8_t PlainFlagByte(const uint8_t* data, std::size_t size)
{
    return size >= 2 ? data[size - 2] : 0;
}

std::optional<PlainDatagram> ReadPlainDatagram(const TextCodec& codec, const uint8_t* data, std::size_t size)
{
    const int datagramClass = ClassifyPlainDatagram(data, size);
    if (datagramClass == 0) return std::nullopt;

    // Classes 1 to 3 hold at least two NULs, so both searches below find one.
    const std::size_t senderEnd = FieldEnd(data, size, 0);
    const std::size_t recipientEnd = FieldEnd(data, size, senderEnd + 1);
    const std::size_t textEnd = FieldEnd(data, size, recipientEnd + 1);
    if (senderEnd == 0 && recipientEnd == senderEnd + 1) return std::nullopt;

    PlainDatagram datagram;
    datagram.datagramClass = datagramClass;
    datagram.flag = PlainFlagByte(data, size);
    datagram.sender = codec.OemToAnsi(Bytes(data, 0, senderEnd));
    datagram.recipient = codec.OemToAnsi(Bytes(data, senderEnd + 1, recipientEnd));
    const std::string_view text = Bytes(data, recipientEnd + 1, textEnd);
    datagram.text = codec.OemToAnsi(text.substr(0, kPlainPieceLength));
    if (datagramClass == 3) {
        // Four NULs: the text's terminator exists and the origin ends at the fourth.
        datagram.origin = codec.OemToAnsi(Bytes(data, textEnd + 1, FieldEnd(data, size, textEnd + 1)));
    }
    return datagram;
}

} // namespace kivet
