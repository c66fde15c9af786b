#include "messenger/netbios/datagram_packet.h"

#include <algorithm>

#include "messenger/netbios/encoded_name.h"
#include "messenger/netbios/wire_cursor.h"

namespace kivet::nbt {
namespace {

bool CarriesData(uint8_t type)
{
    return type == kDgmDirectUnique || type == kDgmDirectGroup || type == kDgmBroadcast;
}

bool IsQuery(uint8_t type)
{
    return type >= kDgmQueryRequest && type <= kDgmNegativeQueryResponse;
}

bool ReadDataPacket(WireReader& reader, DatagramPacket& packet)
{
    const uint16_t length = reader.U16();
    packet.offset = reader.U16();
    if (!reader.Ok() || length > reader.Remaining()) return false;
    const std::size_t namesStart = reader.Position();
    if (!ReadName(reader, packet.source, packet.sourceScope) ||
        !ReadName(reader, packet.destination, packet.destinationScope))
        return false;
    const std::size_t namesLength = reader.Position() - namesStart;
    if (namesLength > length) return false;
    const std::size_t dataLength = length - namesLength;
    const uint8_t* data = reader.Bytes(dataLength);
    if (data == nullptr && dataLength != 0) return false;
    packet.userData.assign(data, data + dataLength);
    return true;
}

void WriteHeaderStart(WireWriter& writer, const DatagramPacket& packet)
{
    writer.U8(packet.type);
    writer.U8(packet.flags);
    writer.U16(packet.id);
    writer.U32(packet.sourceAddress);
    writer.U16(packet.sourcePort);
}

} // namespace

bool ParseDatagramPacket(const uint8_t* data, std::size_t size, DatagramPacket& packet)
{
    packet = DatagramPacket{};
    WireReader reader(data, size);
    packet.type = reader.U8();
    packet.flags = reader.U8();
    packet.id = reader.U16();
    packet.sourceAddress = reader.U32();
    packet.sourcePort = reader.U16();
    if (!reader.Ok()) return false;
    if (CarriesData(packet.type)) return ReadDataPacket(reader, packet);
    if (packet.type == kDgmError) {
        packet.errorCode = reader.U8();
        return reader.Ok();
    }
    if (IsQuery(packet.type)) return ReadName(reader, packet.destination, packet.destinationScope);
    return false;
}

std::vector<uint8_t> BuildDatagramPacket(const DatagramPacket& packet)
{
    std::vector<uint8_t> bytes;
    WireWriter writer(bytes);
    WriteHeaderStart(writer, packet);
    if (packet.type == kDgmError) {
        writer.U8(packet.errorCode);
        return bytes;
    }
    if (IsQuery(packet.type)) {
        WriteName(writer, packet.destination, packet.destinationScope);
        return bytes;
    }
    const std::size_t lengthAt = writer.Position();
    writer.U16(0);
    writer.U16(packet.offset);
    WriteName(writer, packet.source, packet.sourceScope);
    WriteName(writer, packet.destination, packet.destinationScope);
    writer.Bytes(packet.userData.data(), packet.userData.size());
    writer.PatchU16(lengthAt, static_cast<uint16_t>(writer.Position() - kDgmHeaderSize));
    return bytes;
}

std::vector<DatagramPacket> FragmentDatagram(const DatagramPacket& whole)
{
    std::vector<DatagramPacket> fragments;
    std::size_t offset = 0;
    do {
        const std::size_t count = std::min(kMaxDatagramUserData, whole.userData.size() - offset);
        DatagramPacket fragment = whole;
        fragment.offset = static_cast<uint16_t>(offset);
        fragment.userData.assign(whole.userData.begin() + static_cast<std::ptrdiff_t>(offset),
                                 whole.userData.begin() + static_cast<std::ptrdiff_t>(offset + count));
        offset += count;
        fragment.flags = static_cast<uint8_t>((whole.flags & kDgmNodeTypeMask) | (fragments.empty() ? kDgmFirstFlag : 0) |
                                              (offset < whole.userData.size() ? kDgmMoreFlag : 0));
        fragments.push_back(std::move(fragment));
    } while (offset < whole.userData.size());
    return fragments;
}

} // namespace kivet::nbt
