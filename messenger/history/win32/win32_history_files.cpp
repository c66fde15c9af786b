#include "messenger/history/win32/win32_history_files.h"

#include <windows.h>

namespace kivet {
namespace {

// A file handle opened for reading and writing, closed when destroyed.
class Win32HistoryFile : public HistoryFile {
public:
    explicit Win32HistoryFile(HANDLE file) : file_(file) {}
    ~Win32HistoryFile() override { CloseHandle(file_); }
    Win32HistoryFile(const Win32HistoryFile&) = delete;
    Win32HistoryFile& operator=(const Win32HistoryFile&) = delete;

    bool Size(uint64_t& size) override
    {
        DWORD high = 0;
        DWORD low = GetFileSize(file_, &high);
        if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return false;
        size = (static_cast<uint64_t>(high) << 32) | low;
        return true;
    }

    bool ReadAt(uint64_t offset, char* buffer, std::size_t count) override
    {
        if (!MoveTo(offset)) return false;
        DWORD read = 0;
        return ReadFile(file_, buffer, static_cast<DWORD>(count), &read, nullptr) && read == count;
    }

    bool WriteAt(uint64_t offset, std::string_view data) override
    {
        if (!MoveTo(offset)) return false;
        DWORD written = 0;
        return WriteFile(file_, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
               written == data.size();
    }

    bool SetEnd(uint64_t size) override { return MoveTo(size) && SetEndOfFile(file_); }

private:
    bool MoveTo(uint64_t offset)
    {
        LONG high = static_cast<LONG>(offset >> 32);
        SetLastError(NO_ERROR);
        DWORD low = SetFilePointer(file_, static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN);
        return !(low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR);
    }

    HANDLE file_;
};

std::unique_ptr<HistoryFile> Open(const std::string& path, DWORD disposition)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32HistoryFile>(file);
}

} // namespace

bool Win32HistoryFiles::CreateFolder(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::unique_ptr<HistoryFile> Win32HistoryFiles::OpenExisting(const std::string& path)
{
    return Open(path, OPEN_EXISTING);
}

std::unique_ptr<HistoryFile> Win32HistoryFiles::CreateNew(const std::string& path)
{
    // CREATE_NEW: a file that exists but could not be opened is never emptied.
    return Open(path, CREATE_NEW);
}

void Win32HistoryFiles::Delete(const std::string& path)
{
    DeleteFileA(path.c_str());
}

bool Win32HistoryFiles::CanRead(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

} // namespace kivet
