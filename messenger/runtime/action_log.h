// The action log: an optional plain-text trace of the program's steps ("kivetsec.log").
// Off unless the program was started with "/l"; on for the whole run once started.
#pragma once

#include <atomic>
#include <ctime>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

namespace kivet {

// "06 December 2003 on 15:35:47": two-digit day, English month name whatever the locale.
std::string FormatLogTime(const std::tm& t);

std::string BuildLogHeader(const std::tm& now);

// One entry: an empty line, the time line and "ACTION: " + text, CR LF after each.
// The whole entry fits the 260-byte buffer the log writes from; a longer text is cut.
std::string BuildLogEntry(const std::tm& now, std::string_view text);

constexpr std::size_t kLogEntryBuffer = 260;

// Where the program's steps are recorded.
class ActionWriter {
public:
    virtual ~ActionWriter() = default;
    virtual void Write(std::string_view text) = 0;
};

class ActionLog : public ActionWriter {
public:
    using Clock = std::function<std::tm()>;

    ActionLog();
    explicit ActionLog(Clock clock);

    // Turns the log on and writes a fresh file with the header (an old log is replaced).
    void Start(const std::string& path);
    bool IsOn() const { return on_.load(); }

    // Appends one entry to the existing file; does nothing while the log is off or when the file
    // cannot be opened (the entry is lost, the caller carries on).
    void Write(std::string_view text) override;

private:
    Clock clock_;
    std::string path_;
    std::atomic<bool> on_{false};
    std::mutex lock_;
};

std::tm LocalTimeNow();

// The process-wide log that every part of the program writes to.
ActionLog& ProcessActionLog();
inline void WriteAction(std::string_view text)
{
    ProcessActionLog().Write(text);
}

} // namespace kivet
