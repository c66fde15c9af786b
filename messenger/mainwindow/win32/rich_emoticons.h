// Emoticons as pictures in rich-edit controls: every code of a text becomes a static OLE picture
// object whose user type is the code, and the pictures turn back into their codes when the text is read.
// Used by the message view of the main window and by the send dialog's editor.
#pragma once

#include <windows.h>

#include <cstddef>

#include "messenger/mainwindow/emoticon_table.h"

namespace kivet {

// The 42 pictures, loaded once for every control that shows them.
class EmoticonBitmaps {
public:
    EmoticonBitmaps() = default;
    ~EmoticonBitmaps();
    EmoticonBitmaps(const EmoticonBitmaps&) = delete;
    EmoticonBitmaps& operator=(const EmoticonBitmaps&) = delete;

    // Loads bitmaps 7233..7274 of the module once; true when all 42 loaded.
    bool Load(HINSTANCE instance);
    void Free();
    // The loaded picture of emoticon n (1..42), or nullptr.
    HBITMAP Handle(int n) const;

private:
    HBITMAP bitmaps_[kEmoticonCount] = {};
};

// Releases the pictures already in the control, sets the text as plain text and replaces every
// emoticon code in it by its picture.
void SetRichTextWithEmoticons(HWND control, const char* text, const EmoticonBitmaps& pictures);

// Inserts picture n (1..42) in place of the control's selection; false when it could not be made.
bool InsertEmoticon(HWND control, int n, const EmoticonBitmaps& pictures);

// The control's text with every picture replaced by its code and line breaks as CR LF, cut to fit
// size bytes including the terminating zero. Returns the number of bytes written before the zero.
size_t GetTextWithCodes(HWND control, char* buffer, size_t size);

// Removes every embedded object from the control, so that the control lets go of all of them; the
// text around them stays.
void ReleaseEmoticonObjects(HWND control);

// The number of embedded objects in the control, and the user type (the emoticon code) of object
// index, cut to size bytes; false when the object has none.
int EmoticonObjectCount(HWND control);
bool EmoticonObjectCode(HWND control, int index, char* code, size_t size, LONG* position);

} // namespace kivet
