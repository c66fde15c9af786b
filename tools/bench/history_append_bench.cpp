// Measures one history append on the system's file functions: to a new file and to a history of
// about 50 MB. An append reads only the file's last few kilobytes, so both should take about as
// long. Prints the median and the spread of each and their ratio.
//   history_append_bench.exe [runs] [megabytes]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "messenger/history/history_writer.h"
#include "messenger/history/win32/win32_history_files.h"
#include "messenger/runtime/win32/registry_store_win32.h"

namespace {

using namespace kivet;

double Now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

const char kText[] = "Could you send me the figures for March before the meeting? [:)]\r\nThanks <Anna>";

// A history of about `megabytes` MB written directly: head, entries, closing block.
void MakeLargeHistory(const std::string& path, const HistoryOwner& owner, int megabytes)
{
    std::string entry = HistoryEntryBlock(owner.programFolder, {"Anna", "Boris", kText, true}, "12:0:0");
    std::string chunk;
    while (chunk.size() < (1u << 20))
        chunk += entry;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    std::string head = HistoryHeadBlock(owner, "1/1/2024");
    WriteFile(file, head.data(), static_cast<DWORD>(head.size()), &written, nullptr);
    for (int i = 0; i < megabytes; ++i)
        WriteFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr);
    WriteFile(file, kHistoryClosingBlock.data(), static_cast<DWORD>(kHistoryClosingBlock.size()), &written, nullptr);
    CloseHandle(file);
}

struct Figures {
    double median, low, high;
};

Figures Summarise(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

} // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 50;
    int megabytes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "kivet-history-bench\\";
    CreateDirectoryA(folder.c_str(), nullptr);

    Win32HistoryFiles files;
    Win32Registry registry;
    HistoryOwner owner{folder, "Anna", "Pc-07"};
    HistoryWriter writer(files, registry, [] { return LocalTime{2024, 3, 5, 12, 0, 0}; }, owner, "bench");
    HistoryEntry entry{"Boris", "Anna", kText, true};

    std::vector<double> fresh;
    for (int i = 0; i < runs; ++i) {
        writer.ClearHistory();
        double start = Now();
        writer.AppendHistory(entry);
        fresh.push_back(Now() - start);
    }

    MakeLargeHistory(writer.FilePath(), owner, megabytes);
    WIN32_FILE_ATTRIBUTE_DATA data;
    GetFileAttributesExA(writer.FilePath().c_str(), GetFileExInfoStandard, &data);
    double size = (static_cast<double>(data.nFileSizeHigh) * 4294967296.0 + data.nFileSizeLow) / (1 << 20);
    std::vector<double> large;
    for (int i = 0; i < runs; ++i) {
        double start = Now();
        writer.AppendHistory(entry);
        large.push_back(Now() - start);
    }
    writer.ClearHistory();
    RemoveDirectoryA((folder + "History").c_str());
    RemoveDirectoryA(folder.c_str());

    Figures a = Summarise(fresh), b = Summarise(large);
    std::printf("one append, %d runs each (microseconds: median [fastest, slowest])\n", runs);
    std::printf("  new file:        %8.1f [%.1f, %.1f]\n", a.median, a.low, a.high);
    std::printf("  %5.1f MB file:   %8.1f [%.1f, %.1f]\n", size, b.median, b.low, b.high);
    std::printf("  ratio large/new: %8.2f\n", b.median / a.median);
    return 0;
}
