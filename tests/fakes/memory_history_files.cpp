#include "tests/fakes/memory_history_files.h"

#include <algorithm>
#include <cstring>

namespace kivet::testing {

class MemoryHistoryFiles::File : public HistoryFile {
public:
    File(MemoryHistoryFiles& owner, std::string path) : owner_(owner), path_(std::move(path)) {}

    bool Size(uint64_t& size) override
    {
        size = Data().size();
        return true;
    }

    bool ReadAt(uint64_t offset, char* buffer, std::size_t count) override
    {
        owner_.largestRead = std::max(owner_.largestRead, count);
        const std::string& data = Data();
        if (owner_.failRead || offset + count > data.size()) return false;
        std::memcpy(buffer, data.data() + offset, count);
        return true;
    }

    bool WriteAt(uint64_t offset, std::string_view bytes) override
    {
        ++owner_.writes;
        bool fail = owner_.failWrite > 0 && --owner_.failWrite == 0;
        if (fail) bytes = bytes.substr(0, std::min(bytes.size(), owner_.failingWriteKeeps));
        std::string& data = Data();
        if (data.size() < offset + bytes.size()) data.resize(offset + bytes.size(), '\0');
        data.replace(offset, bytes.size(), bytes);
        return !fail;
    }

    bool SetEnd(uint64_t size) override
    {
        Data().resize(size, '\0');
        return true;
    }

private:
    std::string& Data() { return owner_.files[path_]; }

    MemoryHistoryFiles& owner_;
    std::string path_;
};

bool MemoryHistoryFiles::CreateFolder(const std::string& path)
{
    folders.insert(path);
    return true;
}

std::unique_ptr<HistoryFile> MemoryHistoryFiles::OpenExisting(const std::string& path)
{
    if (!files.count(path)) return nullptr;
    return std::make_unique<File>(*this, path);
}

std::unique_ptr<HistoryFile> MemoryHistoryFiles::CreateNew(const std::string& path)
{
    if (failCreate) return nullptr;
    files[path].clear();
    return std::make_unique<File>(*this, path);
}

void MemoryHistoryFiles::Delete(const std::string& path)
{
    files.erase(path);
}

bool MemoryHistoryFiles::CanRead(const std::string& path)
{
    return files.count(path) != 0;
}

} // namespace kivet::testing
