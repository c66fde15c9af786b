// The history's file operations on the system's file functions.
#pragma once

#include "messenger/history/history_files.h"

namespace kivet {

class Win32HistoryFiles : public HistoryFiles {
public:
    bool CreateFolder(const std::string& path) override;
    std::unique_ptr<HistoryFile> OpenExisting(const std::string& path) override;
    std::unique_ptr<HistoryFile> CreateNew(const std::string& path) override;
    void Delete(const std::string& path) override;
    bool CanRead(const std::string& path) override;
};

} // namespace kivet
