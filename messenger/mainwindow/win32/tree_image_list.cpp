#include "messenger/mainwindow/win32/tree_image_list.h"

#include "messenger/mainwindow/tree_images.h"
#include "messenger/resources/resource.h"

namespace kivet {

HIMAGELIST CreateTreeImageList(HINSTANCE instance)
{
    HIMAGELIST list = ImageList_Create(kTreeImageSize, kTreeImageSize, ILC_COLOR8 | ILC_MASK, kTreeImageCount, 0);
    if (!list) return nullptr;
    HBITMAP strip =
        static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(IDB_TREE_IMAGES), IMAGE_BITMAP, 0, 0, 0));
    if (strip) {
        ImageList_AddMasked(list, strip, RGB(255, 0, 255));
        DeleteObject(strip);
    }
    return list;
}

} // namespace kivet
