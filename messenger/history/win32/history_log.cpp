#include "messenger/history/win32/history_log.h"

#include <windows.h>

#include "common/fixed_text.h"

namespace kivet {
namespace {

LocalTime SystemLocalTime()
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

// The first character upper-cased, the rest lower-cased, in the ANSI code page: "JSMITH" -> "Jsmith".
std::string DisplayForm(std::string name)
{
    if (name.empty()) return name;
    CharUpperBuffA(&name[0], 1);
    if (name.size() > 1) CharLowerBuffA(&name[1], static_cast<DWORD>(name.size() - 1));
    return name;
}

std::string ComputerName()
{
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    if (!GetComputerNameA(name, &size)) return std::string();
    return std::string(name, size);
}

} // namespace

HistoryLog::HistoryLog(const std::string& programFolder, const std::string& logonName, RegistryStore& registry,
                       const Settings& settings)
    : settings_(settings),
      writer_(files_, registry, SystemLocalTime,
              HistoryOwner{programFolder, DisplayForm(logonName), DisplayForm(ComputerName())}, logonName)
{
}

void HistoryLog::RecordIncoming(const MessageRecord& record)
{
    if (!settings_.LogHistory) return;
    writer_.AppendHistory({FieldText(record.sender), FieldText(record.recipient), FieldText(record.text), true});
}

void HistoryLog::RecordOutgoing(std::string_view recipient, std::string_view text)
{
    if (!settings_.LogHistory) return;
    writer_.AppendHistory({std::string_view(), recipient, text, false});
}

void HistoryLog::Clear()
{
    writer_.ClearHistory();
}

void HistoryLog::ClearIfOverwriteAtStartup()
{
    if (settings_.OverwriteAtStartup) writer_.ClearHistory();
}

bool HistoryLog::Exists()
{
    return writer_.HistoryExists();
}

std::string HistoryLog::FilePath() const
{
    return writer_.FilePath();
}

std::string HistoryLog::ViewPath()
{
    return Exists() ? writer_.FilePath() : writer_.FolderPath() + "\\empty.html";
}

} // namespace kivet
