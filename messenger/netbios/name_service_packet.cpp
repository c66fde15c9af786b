#include "messenger/netbios/name_service_packet.h"

#include <cstring>

#include "messenger/netbios/encoded_name.h"
#include "messenger/netbios/wire_cursor.h"

namespace kivet::nbt {
namespace {

constexpr uint16_t kFirstQuestionOffset = kNsHeaderSize;
constexpr std::size_t kNbEntrySize = 6;

bool ReadQuestion(WireReader& reader, NsQuestion& question)
{
    if (!ReadName(reader, question.name, question.scope)) return false;
    question.type = reader.U16();
    question.questionClass = reader.U16();
    return reader.Ok();
}

bool ReadNbData(const uint8_t* data, std::size_t length, NsRecord& record)
{
    if (length % kNbEntrySize != 0) return false;
    WireReader reader(data, length);
    while (reader.Remaining() > 0) {
        NbAddress entry;
        entry.flags = reader.U16();
        entry.address = reader.U32();
        record.addresses.push_back(entry);
    }
    return reader.Ok();
}

bool ReadNodeStatusData(const uint8_t* data, std::size_t length, NsRecord& record)
{
    WireReader reader(data, length);
    const uint8_t count = reader.U8();
    for (uint8_t i = 0; i < count && reader.Ok(); ++i) {
        NodeStatusName entry;
        const uint8_t* name = reader.Bytes(entry.name.size());
        if (name == nullptr) return false;
        std::memcpy(entry.name.data(), name, entry.name.size());
        entry.flags = reader.U16();
        record.statusNames.push_back(entry);
    }
    // The statistics are optional for us; the unit id is read when present.
    if (reader.Ok() && reader.Remaining() >= record.unitId.size())
        std::memcpy(record.unitId.data(), reader.Bytes(record.unitId.size()), record.unitId.size());
    return reader.Ok();
}

bool ReadRecord(WireReader& reader, NsRecord& record)
{
    if (!ReadName(reader, record.name, record.scope)) return false;
    record.type = reader.U16();
    record.recordClass = reader.U16();
    record.ttl = reader.U32();
    const uint16_t length = reader.U16();
    const uint8_t* data = reader.Bytes(length);
    if (!reader.Ok()) return false;
    switch (record.type) {
    case kTypeNb: return ReadNbData(data, length, record);
    case kTypeNodeStatus: return ReadNodeStatusData(data, length, record);
    default: record.rawData.assign(data, data + length); return true;
    }
}

bool ReadRecords(WireReader& reader, uint16_t count, std::vector<NsRecord>& records)
{
    records.resize(count);
    for (NsRecord& record : records)
        if (!ReadRecord(reader, record)) return false;
    return true;
}

void WriteRecordName(WireWriter& writer, const NameServicePacket& packet, const NsRecord& record)
{
    if (!packet.questions.empty() && packet.questions[0].name == record.name &&
        packet.questions[0].scope == record.scope) {
        WriteNamePointer(writer, kFirstQuestionOffset);
        return;
    }
    WriteName(writer, record.name, record.scope);
}

void WriteRecordData(WireWriter& writer, const NsRecord& record)
{
    const std::size_t lengthAt = writer.Position();
    writer.U16(0);
    if (record.type == kTypeNb) {
        for (const NbAddress& entry : record.addresses) {
            writer.U16(entry.flags);
            writer.U32(entry.address);
        }
    } else if (record.type == kTypeNodeStatus) {
        writer.U8(static_cast<uint8_t>(record.statusNames.size()));
        for (const NodeStatusName& entry : record.statusNames) {
            writer.Bytes(entry.name.data(), entry.name.size());
            writer.U16(entry.flags);
        }
        const uint8_t statistics[kStatisticsSize - 6] = {};
        writer.Bytes(record.unitId.data(), record.unitId.size());
        writer.Bytes(statistics, sizeof statistics);
    } else {
        writer.Bytes(record.rawData.data(), record.rawData.size());
    }
    writer.PatchU16(lengthAt, static_cast<uint16_t>(writer.Position() - lengthAt - 2));
}

void WriteRecords(WireWriter& writer, const NameServicePacket& packet, const std::vector<NsRecord>& records)
{
    for (const NsRecord& record : records) {
        WriteRecordName(writer, packet, record);
        writer.U16(record.type);
        writer.U16(record.recordClass);
        writer.U32(record.ttl);
        WriteRecordData(writer, record);
    }
}

} // namespace

bool ParseNameServicePacket(const uint8_t* data, std::size_t size, NameServicePacket& packet)
{
    packet = NameServicePacket{};
    WireReader reader(data, size);
    packet.id = reader.U16();
    packet.flags = reader.U16();
    const uint16_t questions = reader.U16();
    const uint16_t answers = reader.U16();
    const uint16_t authority = reader.U16();
    const uint16_t additional = reader.U16();
    if (!reader.Ok()) return false;
    if (std::size_t{questions} + answers + authority + additional > kMaxRecordsPerPacket) return false;
    packet.questions.resize(questions);
    for (NsQuestion& question : packet.questions)
        if (!ReadQuestion(reader, question)) return false;
    return ReadRecords(reader, answers, packet.answers) && ReadRecords(reader, authority, packet.authority) &&
           ReadRecords(reader, additional, packet.additional);
}

std::vector<uint8_t> BuildNameServicePacket(const NameServicePacket& packet)
{
    std::vector<uint8_t> bytes;
    WireWriter writer(bytes);
    writer.U16(packet.id);
    writer.U16(packet.flags);
    writer.U16(static_cast<uint16_t>(packet.questions.size()));
    writer.U16(static_cast<uint16_t>(packet.answers.size()));
    writer.U16(static_cast<uint16_t>(packet.authority.size()));
    writer.U16(static_cast<uint16_t>(packet.additional.size()));
    for (const NsQuestion& question : packet.questions) {
        WriteName(writer, question.name, question.scope);
        writer.U16(question.type);
        writer.U16(question.questionClass);
    }
    WriteRecords(writer, packet, packet.answers);
    WriteRecords(writer, packet, packet.authority);
    WriteRecords(writer, packet, packet.additional);
    return bytes;
}

} // namespace kivet::nbt
