// The message history the program keeps: the object the program creates once at start-up and
// hands to every place that receives or sends a message, to the Options sheet and to the history
// commands of the main window. Safe to use from any thread.
#pragma once

#include <string>
#include <string_view>

#include "messenger/history/history_writer.h"
#include "messenger/history/win32/win32_history_files.h"
#include "messenger/runtime/settings.h"
#include "messenger/runtime/settings_store.h"
#include "messenger/store/message_record.h"

namespace kivet {

class HistoryLog {
public:
    // programFolder: the program's folder, ending with a backslash. logonName: the Windows logon
    // name (it names the file and is shown, in display form, with the computer name in the head
    // of a new file). The registry keeps `LastHistoryTime`; the settings are read at every message
    // (`LogHistory`) and by ClearIfOverwriteAtStartup (`OverwriteAtStartup`). Registry and
    // settings must outlive the object.
    HistoryLog(const std::string& programFolder, const std::string& logonName, RegistryStore& registry,
               const Settings& settings);

    // A received message: "from sender to recipient". Nothing is written while `LogHistory` is off.
    void RecordIncoming(const MessageRecord& record);
    // A sent message: "to recipient". Nothing is written while `LogHistory` is off.
    void RecordOutgoing(std::string_view recipient, std::string_view text);

    // Deletes the history file (Options, "Clear current history...").
    void Clear();
    // At start-up: deletes the history file when `OverwriteAtStartup` is on.
    void ClearIfOverwriteAtStartup();
    // True when the history file can be opened for reading.
    bool Exists();
    // The history file, for Print.
    std::string FilePath() const;
    // The page View history shows: the history file, or "History\empty.html" when there is none.
    std::string ViewPath();

private:
    Win32HistoryFiles files_;
    const Settings& settings_;
    HistoryWriter writer_;
};

} // namespace kivet
