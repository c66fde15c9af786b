#include "messenger/runtime/action_log.h"

#include <cstdio>

namespace kivet {
namespace {

const char* const kMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};

const char kRule[] = "=======================================================";

int Clamp(int v, int lo, int hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

} // namespace

std::string FormatLogTime(const std::tm& t)
{
    char buf[50];
    std::snprintf(buf, sizeof buf, "%02d %s %04d on %02d:%02d:%02d", Clamp(t.tm_mday, 0, 99),
                  kMonths[Clamp(t.tm_mon, 0, 11)], Clamp(t.tm_year + 1900, 0, 9999), Clamp(t.tm_hour, 0, 99),
                  Clamp(t.tm_min, 0, 99), Clamp(t.tm_sec, 0, 99));
    return buf;
}

std::string BuildLogHeader(const std::tm& now)
{
    std::string h;
    h += kRule;
    h += "\r\nKivet Secure Messenger log file\r\nLog started at ";
    h += FormatLogTime(now);
    h += "\r\n";
    h += kRule;
    h += "\r\n";
    return h;
}

std::string BuildLogEntry(const std::tm& now, std::string_view text)
{
    std::string head = "\r\n" + FormatLogTime(now) + "\r\nACTION: ";
    const std::size_t room = kLogEntryBuffer - 1 - head.size() - 2;
    if (text.size() > room) text = text.substr(0, room);
    std::string entry = head;
    entry.append(text);
    entry += "\r\n";
    return entry;
}

std::tm LocalTimeNow()
{
    std::time_t now = std::time(nullptr);
    std::tm t{};
#ifdef _WIN32
    localtime_s(&t, &now);
#else
    localtime_r(&now, &t);
#endif
    return t;
}

ActionLog::ActionLog() : clock_(LocalTimeNow) {}
ActionLog::ActionLog(Clock clock) : clock_(std::move(clock)) {}

void ActionLog::Start(const std::string& path)
{
    std::lock_guard<std::mutex> guard(lock_);
    path_ = path;
    on_ = true;
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    if (!f) return;
    std::string header = BuildLogHeader(clock_());
    std::fwrite(header.data(), 1, header.size(), f);
    std::fclose(f);
}

void ActionLog::Write(std::string_view text)
{
    if (!on_) return;
    std::lock_guard<std::mutex> guard(lock_);
    std::FILE* f = std::fopen(path_.c_str(), "r+b");
    if (!f) return;
    std::string entry = BuildLogEntry(clock_(), text);
    if (std::fseek(f, 0, SEEK_END) == 0) std::fwrite(entry.data(), 1, entry.size(), f);
    std::fclose(f);
}

ActionLog& ProcessActionLog()
{
    static ActionLog log;
    return log;
}

} // namespace kivet
