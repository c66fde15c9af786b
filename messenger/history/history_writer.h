// The per-user HTML history: appends one entry per message, clears the file, tells whether it
// exists. One lock covers each whole append, clear and test, so entries from the receiving,
// sending and secure threads never interleave and the closing block is always last.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "messenger/history/history_blocks.h"
#include "messenger/history/history_files.h"
#include "messenger/history/history_time.h"
#include "messenger/runtime/settings_store.h"

namespace kivet {

using HistoryClock = std::function<LocalTime()>;

class HistoryWriter {
public:
    // owner.programFolder ends with a backslash; the file is programFolder + "History\" +
    // HistoryFileNameFor(logonName).
    HistoryWriter(HistoryFiles& files, RegistryStore& registry, HistoryClock clock, HistoryOwner owner,
                  std::string_view logonName);

    // Appends one entry (and a date row on a new day), leaving a complete document. False when
    // the entry is not in the file: it could not be opened or created, or a write failed (the
    // file is then left as it was, with its closing block).
    bool AppendHistory(const HistoryEntry& entry);
    // Deletes the file; a missing file is not an error. `LastHistoryTime` stays.
    void ClearHistory();
    // True when the file can be opened for reading.
    bool HistoryExists();

    const std::string& FolderPath() const { return folder_; }
    const std::string& FilePath() const { return path_; }

private:
    struct OpenedFile;
    bool OpenForAppend(OpenedFile& opened);
    // The head block (new file) or the date block (new day), and the entry, for one write.
    std::string Blocks(const OpenedFile& opened, const std::string& date, const std::string& time, bool newDate,
                       const HistoryEntry& entry) const;
    void Restore(OpenedFile& opened);

    HistoryFiles& files_;
    RegistryStore& registry_;
    HistoryClock clock_;
    HistoryOwner owner_;
    std::string folder_;
    std::string path_;
    std::mutex lock_;
};

} // namespace kivet
