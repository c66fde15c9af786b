// Reading the common controls of another process (the program's names tree and results list):
// their messages carry pointers, which must point into the program's own memory.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace kivet::wine {

// A block of memory in another process, freed with the object.
class RemoteBuffer {
public:
    RemoteBuffer(DWORD processId, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return address_ != nullptr; }
    char* Address() const { return static_cast<char*>(address_); }
    bool Write(std::size_t offset, const void* data, std::size_t size) const;
    bool Read(std::size_t offset, void* data, std::size_t size) const;

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

// Every item of a tree view, depth first, with its text.
struct TreeItem {
    HTREEITEM handle;
    std::string text;
};
std::vector<TreeItem> ReadTreeItems(HWND tree);

// The rows of a report list view, each cell's text in column order.
std::vector<std::vector<std::string>> ReadListRows(HWND list, int columns);

} // namespace kivet::wine
