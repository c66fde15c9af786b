#include "messenger/send/win32/busy_cursor.h"

namespace kivet {

BusyCursor::BusyCursor(HWND dialog)
{
    EnumChildWindows(dialog, CollectClass, reinterpret_cast<LPARAM>(this));
    HCURSOR busy = LoadCursorA(nullptr, MAKEINTRESOURCEA(32650)); // IDC_APPSTARTING
    for (const ClassCursor& c : classes_)
        SetClassLongPtrA(c.sample, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(busy));
}

BOOL CALLBACK BusyCursor::CollectClass(HWND child, LPARAM self)
{
    reinterpret_cast<BusyCursor*>(self)->Remember(child);
    return TRUE;
}

void BusyCursor::Remember(HWND child)
{
    const ATOM atom = static_cast<ATOM>(GetClassWord(child, GCW_ATOM));
    for (const ClassCursor& c : classes_)
        if (c.atom == atom) return;
    classes_.push_back({atom, child, reinterpret_cast<HCURSOR>(GetClassLongPtrA(child, GCLP_HCURSOR))});
}

void BusyCursor::Restore()
{
    if (restored_) return;
    restored_ = true;
    for (const ClassCursor& c : classes_)
        SetClassLongPtrA(c.sample, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(c.own));
}

} // namespace kivet
