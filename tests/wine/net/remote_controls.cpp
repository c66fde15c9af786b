#include "tests/wine/net/remote_controls.h"

namespace kivet::wine {
namespace {

constexpr std::size_t kTextChars = 260;

DWORD OwnerProcess(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

std::string TreeItemText(HWND tree, HTREEITEM item, const RemoteBuffer& buffer)
{
    TVITEMA request{};
    request.mask = TVIF_HANDLE | TVIF_TEXT;
    request.hItem = item;
    request.pszText = buffer.Address() + sizeof request;
    request.cchTextMax = kTextChars;
    char text[kTextChars + 1] = {};
    if (!buffer.Write(0, &request, sizeof request) ||
        !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(buffer.Address())) ||
        !buffer.Read(sizeof request, text, kTextChars))
        return {};
    return text;
}

void CollectTreeItems(HWND tree, HTREEITEM first, const RemoteBuffer& buffer, std::vector<TreeItem>& items)
{
    for (HTREEITEM item = first; item; item = TreeView_GetNextSibling(tree, item)) {
        items.push_back(TreeItem{item, TreeItemText(tree, item, buffer)});
        CollectTreeItems(tree, TreeView_GetChild(tree, item), buffer, items);
    }
}

} // namespace

RemoteBuffer::RemoteBuffer(DWORD processId, std::size_t size)
{
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer()
{
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
}

bool RemoteBuffer::Write(std::size_t offset, const void* data, std::size_t size) const
{
    return address_ && WriteProcessMemory(process_, Address() + offset, data, size, nullptr);
}

bool RemoteBuffer::Read(std::size_t offset, void* data, std::size_t size) const
{
    return address_ && ReadProcessMemory(process_, Address() + offset, data, size, nullptr);
}

std::vector<TreeItem> ReadTreeItems(HWND tree)
{
    std::vector<TreeItem> items;
    const RemoteBuffer buffer(OwnerProcess(tree), sizeof(TVITEMA) + kTextChars + 1);
    if (buffer.Valid()) CollectTreeItems(tree, TreeView_GetRoot(tree), buffer, items);
    return items;
}

std::vector<std::vector<std::string>> ReadListRows(HWND list, int columns)
{
    std::vector<std::vector<std::string>> rows;
    const RemoteBuffer buffer(OwnerProcess(list), sizeof(LVITEMA) + kTextChars + 1);
    if (!buffer.Valid()) return rows;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column) {
            LVITEMA request{};
            request.iSubItem = column;
            request.pszText = buffer.Address() + sizeof request;
            request.cchTextMax = kTextChars;
            char text[kTextChars + 1] = {};
            buffer.Write(0, &request, sizeof request);
            SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(buffer.Address()));
            buffer.Read(sizeof request, text, kTextChars);
            cells.emplace_back(text);
        }
        rows.push_back(cells);
    }
    return rows;
}

} // namespace kivet::wine
