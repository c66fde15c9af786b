// The file operations the history needs. The program implements them with the system's file
// functions; the tests with files in memory that can be made to fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kivet {

// An open history file; closed when destroyed.
class HistoryFile {
public:
    virtual ~HistoryFile() = default;
    virtual bool Size(uint64_t& size) = 0;
    // Reads exactly count bytes at offset.
    virtual bool ReadAt(uint64_t offset, char* buffer, std::size_t count) = 0;
    // Writes all of data at offset with one write; false when not every byte was written.
    virtual bool WriteAt(uint64_t offset, std::string_view data) = 0;
    // Makes the file end at size.
    virtual bool SetEnd(uint64_t size) = 0;
};

class HistoryFiles {
public:
    virtual ~HistoryFiles() = default;
    // True when the folder exists afterwards.
    virtual bool CreateFolder(const std::string& path) = 0;
    // Opens an existing file for reading and writing, sharing both with other programs; null when
    // it does not exist or cannot be opened.
    virtual std::unique_ptr<HistoryFile> OpenExisting(const std::string& path) = 0;
    // Creates a new, empty file for reading and writing; null on failure.
    virtual std::unique_ptr<HistoryFile> CreateNew(const std::string& path) = 0;
    // A missing file is not an error.
    virtual void Delete(const std::string& path) = 0;
    virtual bool CanRead(const std::string& path) = 0;
};

} // namespace kivet
