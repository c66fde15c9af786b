#include "messenger/history/history_writer.h"

#include <memory>
#include <utility>

#include "common/history_file_name.h"
#include "messenger/history/closing_block.h"
#include "messenger/runtime/registry_settings.h"

namespace kivet {

// The file being appended to and where the new blocks go.
struct HistoryWriter::OpenedFile {
    std::unique_ptr<HistoryFile> file;
    bool created = false; // the file is new (or was empty) and gets the head block
    uint64_t oldSize = 0;
    uint64_t place = 0;
};

HistoryWriter::HistoryWriter(HistoryFiles& files, RegistryStore& registry, HistoryClock clock, HistoryOwner owner,
                             std::string_view logonName)
    : files_(files), registry_(registry), clock_(std::move(clock)), owner_(std::move(owner)),
      folder_(owner_.programFolder + "History"), path_(folder_ + "\\" + HistoryFileNameFor(logonName))
{
}

bool HistoryWriter::OpenForAppend(OpenedFile& opened)
{
    opened.file = files_.OpenExisting(path_);
    if (!opened.file) {
        opened.file = files_.CreateNew(path_);
        opened.created = true;
        return opened.file != nullptr;
    }
    if (!opened.file->Size(opened.oldSize)) return false;
    std::size_t tailSize = opened.oldSize < kHistoryTailWindow ? static_cast<std::size_t>(opened.oldSize)
                                                                : kHistoryTailWindow;
    std::string tail(tailSize, '\0');
    if (tailSize && !opened.file->ReadAt(opened.oldSize - tailSize, &tail[0], tailSize)) return false;
    HistoryWritePlace place = FindHistoryWritePlace(opened.oldSize, tail);
    opened.created = place.empty;
    opened.place = place.offset;
    return true;
}

std::string HistoryWriter::Blocks(const OpenedFile& opened, const std::string& date, const std::string& time,
                                  bool newDate, const HistoryEntry& entry) const
{
    std::string blocks;
    if (opened.created)
        blocks = HistoryHeadBlock(owner_, date);
    else if (newDate)
        blocks = HistoryDateBlock(date);
    blocks += HistoryEntryBlock(owner_.programFolder, entry, time);
    return blocks;
}

// After a failed write: a file created for this entry is removed again; an existing file gets its
// closing block back where the entry was to go. Those bytes held the closing block (or lie within
// the file), so this write needs no new space even when the disk is full.
void HistoryWriter::Restore(OpenedFile& opened)
{
    if (opened.created) {
        opened.file->SetEnd(0);
        opened.file.reset();
        files_.Delete(path_);
        return;
    }
    if (opened.file->WriteAt(opened.place, kHistoryClosingBlock))
        opened.file->SetEnd(opened.place + kHistoryClosingBlock.size());
}

bool HistoryWriter::AppendHistory(const HistoryEntry& entry)
{
    std::lock_guard<std::mutex> hold(lock_);
    // Date and time are taken once, at the start of the append.
    LocalTime now = clock_();
    std::string date = HistoryDateText(now);

    files_.CreateFolder(folder_);
    OpenedFile opened;
    if (!OpenForAppend(opened)) return false;

    bool newDate = opened.created || ReadLastHistoryTime(registry_) != date;
    std::string blocks = Blocks(opened, date, HistoryTimeText(now), newDate, entry);
    uint64_t closingAt = opened.place + blocks.size();
    if (!opened.file->WriteAt(opened.place, blocks) || !opened.file->WriteAt(closingAt, kHistoryClosingBlock)) {
        Restore(opened);
        return false;
    }
    uint64_t end = closingAt + kHistoryClosingBlock.size();
    if (end < opened.oldSize) opened.file->SetEnd(end);
    if (newDate) WriteLastHistoryTime(registry_, date);
    return true;
}

void HistoryWriter::ClearHistory()
{
    std::lock_guard<std::mutex> hold(lock_);
    files_.Delete(path_);
}

bool HistoryWriter::HistoryExists()
{
    std::lock_guard<std::mutex> hold(lock_);
    return files_.CanRead(path_);
}

} // namespace kivet
