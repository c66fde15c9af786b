// The application-starting cursor over a dialog's controls while it works in the background.
// The cursor belongs to each control's window class, so every class met among the controls gets
// it once and gets its own cursor back afterwards (an edit box its I-beam, a button its arrow).
#pragma once

#include <windows.h>

#include <vector>

namespace kivet {

class BusyCursor {
public:
    // Gives the class of every child window of the dialog the application-starting cursor.
    explicit BusyCursor(HWND dialog);
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    // Puts every class's own cursor back (once; the destructor does it when nobody did).
    void Restore();
    ~BusyCursor() { Restore(); }

private:
    struct ClassCursor {
        ATOM atom;
        HWND sample; // a window of the class, through which its cursor is set
        HCURSOR own;
    };
    static BOOL CALLBACK CollectClass(HWND child, LPARAM self);
    void Remember(HWND child);

    std::vector<ClassCursor> classes_;
    bool restored_ = false;
};

} // namespace kivet
