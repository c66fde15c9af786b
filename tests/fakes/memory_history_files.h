// History files kept in memory, with the failures a disk can have: a create, a read or the n-th
// write can be made to fail, a failing write still putting some of its bytes in the file.
#pragma once

#include <map>
#include <set>
#include <string>

#include "messenger/history/history_files.h"

namespace kivet::testing {

class MemoryHistoryFiles : public HistoryFiles {
public:
    bool CreateFolder(const std::string& path) override;
    std::unique_ptr<HistoryFile> OpenExisting(const std::string& path) override;
    std::unique_ptr<HistoryFile> CreateNew(const std::string& path) override;
    void Delete(const std::string& path) override;
    bool CanRead(const std::string& path) override;

    std::map<std::string, std::string> files;
    std::set<std::string> folders;

    bool failCreate = false;
    bool failRead = false;
    int failWrite = 0;               // the failWrite-th write from now fails (1 = the next); 0: none
    std::size_t failingWriteKeeps = 0; // bytes a failing write still puts in the file
    int writes = 0;                  // every write, failed or not
    std::size_t largestRead = 0;     // the most bytes read at once

private:
    class File;
};

} // namespace kivet::testing
