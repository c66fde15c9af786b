#include "tests/fakes/transport_fakes.h"

namespace kivet::test {

std::vector<uint8_t> ToBytes(std::string_view text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

std::string ToText(const std::vector<uint8_t>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

std::vector<MessageRecord> StoredRecords(MessageStore& store)
{
    const int32_t total = store.Counts().total;
    for (int32_t i = 0; i < total; ++i)
        store.Move(Direction::Previous);
    std::vector<MessageRecord> records;
    for (int32_t i = 0; i < total; ++i) {
        if (i != 0) store.Move(Direction::Next);
        records.push_back(*store.CurrentRecord());
    }
    return records;
}

bool QueueReader::Peek(uint32_t& nextSize, uint32_t& waiting)
{
    if (failPeek) return false;
    waiting = static_cast<uint32_t>(queue.size());
    nextSize = queue.empty() ? 0 : static_cast<uint32_t>(queue.front().size());
    return true;
}

bool QueueReader::Read(std::vector<uint8_t>& datagram)
{
    if (failRead || queue.empty()) return false;
    ++reads;
    datagram = std::move(queue.front());
    queue.pop_front();
    return true;
}

bool RecordingWriter::Write(std::string_view target, std::string_view path, const uint8_t* data, std::size_t size)
{
    if (refused.count(std::string(target)) != 0) return false;
    written.push_back({std::string(target), std::string(path), std::vector<uint8_t>(data, data + size)});
    if (events != nullptr) events->push_back("write " + std::string(target));
    return true;
}

bool ScriptedContext::InIgnoreList(std::string_view sender)
{
    return ignoreList.count(std::string(sender)) != 0;
}

bool ScriptedContext::IsMemberOfGroup(std::string_view group)
{
    return groups.count(std::string(group)) != 0;
}

std::optional<std::string> ScriptedContext::ResolveName(std::string_view name)
{
    resolveQueries.emplace_back(name);
    const auto found = resolvable.find(std::string(name));
    if (found == resolvable.end()) return std::nullopt;
    return found->second;
}

std::optional<std::string> ScriptedContext::ConfirmByAdapterStatus(std::string_view sender)
{
    confirmQueries.emplace_back(sender);
    const auto found = confirmable.find(std::string(sender));
    if (found == confirmable.end()) return std::nullopt;
    return found->second;
}

void ScriptedContext::WriteIncomingHistory(const MessageRecord& record)
{
    incoming.push_back(record);
}

void ScriptedContext::WriteOutgoingHistory(std::string_view recipient, std::string_view text)
{
    outgoing.emplace_back(std::string(recipient), std::string(text));
    if (events != nullptr) events->push_back("history " + std::string(recipient));
}

void ScriptedContext::Pause(unsigned milliseconds)
{
    pauses.push_back(milliseconds);
    if (events != nullptr) events->push_back("pause " + std::to_string(milliseconds));
}

} // namespace kivet::test
