#include "messenger/send/win32/names_tree_view.h"

#include <map>

#include "messenger/mainwindow/tree_images.h"

namespace kivet {
namespace {

// Headings the user closed, by value, for the rest of the run (the tree's own thread only).
std::map<uint32_t, bool>& ClosedHeadings()
{
    static std::map<uint32_t, bool> closed;
    return closed;
}

// The item's data: the value in the low 32 bits, the state byte above it.
LPARAM ItemData(const NamesTreeNode& node)
{
    return static_cast<LPARAM>(static_cast<uint64_t>(node.value) | (static_cast<uint64_t>(node.state) << 32));
}

int FolderImage(bool open)
{
    return static_cast<int>(open ? TreeImage::FolderOpen : TreeImage::FolderClosed);
}

HTREEITEM Insert(HWND tree, HTREEITEM parent, const NamesTreeNode& node, int image)
{
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(node.text.c_str());
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.lParam = ItemData(node);
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void InsertChildren(HWND tree, HTREEITEM parent, const std::vector<NamesTreeNode>& children)
{
    for (const NamesTreeNode& child : children) {
        HTREEITEM item = Insert(tree, parent, child, static_cast<int>(child.image));
        if (!child.children.empty()) InsertChildren(tree, item, child.children);
    }
}

} // namespace

void FillNamesTree(HWND tree, const std::vector<NamesTreeNode>& nodes)
{
    SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    for (const NamesTreeNode& heading : nodes) {
        const bool open = !ClosedHeadings()[heading.value];
        HTREEITEM item = Insert(tree, TVI_ROOT, heading, FolderImage(open));
        InsertChildren(tree, item, heading.children);
        if (open) SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    }
    SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree, nullptr, TRUE);
}

void OnNamesTreeExpanded(HWND tree, const NMTREEVIEWA& change)
{
    const TreeSelection item = NamesTreeItem(tree, change.itemNew.hItem);
    if (!item.any || item.value >= kNetworkGroupItemBase) return; // only the headings show folders
    const bool open = (change.action & TVE_EXPAND) != 0;
    ClosedHeadings()[item.value] = !open;
    TVITEMA picture{};
    picture.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    picture.hItem = change.itemNew.hItem;
    picture.iImage = picture.iSelectedImage = FolderImage(open);
    SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&picture));
}

TreeSelection NamesTreeItem(HWND tree, HTREEITEM item)
{
    TreeSelection selection;
    if (!item) return selection;
    char text[64] = {};
    TVITEMA data{};
    data.mask = TVIF_TEXT | TVIF_PARAM;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data))) return selection;
    const uint64_t packed = static_cast<uint64_t>(data.lParam);
    selection.any = true;
    selection.value = static_cast<uint32_t>(packed & 0xFFFFFFFFu);
    selection.state = static_cast<uint8_t>((packed >> 32) & 0xFF);
    selection.text = text;
    return selection;
}

} // namespace kivet
