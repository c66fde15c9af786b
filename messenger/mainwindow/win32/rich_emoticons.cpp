#include "messenger/mainwindow/win32/rich_emoticons.h"

#include <ole2.h>
#include <richedit.h>
#include <richole.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/mainwindow/emoticon_table.h"
#include "messenger/mainwindow/win32/bitmap_data_object.h"

namespace kivet {
namespace {

constexpr size_t kCodeBytes = 5; // the longest code, "[(y)]"
constexpr UINT kUnicodeCodePage = 1200;

// One interface pointer, released when it goes out of scope.
template <class T> class ComRef {
public:
    ComRef() = default;
    explicit ComRef(T* p) : m_p(p) {}
    ~ComRef()
    {
        if (m_p) m_p->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    T** Out() { return &m_p; } // for a function that fills an empty reference
    void** OutVoid() { return reinterpret_cast<void**>(&m_p); }

private:
    T* m_p = nullptr;
};

IRichEditOle* RichEditOle(HWND control)
{
    IRichEditOle* ole = nullptr;
    SendMessageA(control, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole));
    return ole;
}

// A version-1 control ("RichEdit") keeps a line break as CR LF, two character positions, and knows
// no Unicode text messages; the version-2 classes keep one CR.
bool IsVersion1(HWND control)
{
    char name[32] = "";
    GetClassNameA(control, name, sizeof name);
    return lstrcmpiA(name, "RichEdit") == 0;
}

// Lets programmatic changes through a read-only control for as long as it lives.
class Writable {
public:
    explicit Writable(HWND control)
        : m_control(control), m_wasReadOnly((GetWindowLongPtrA(control, GWL_STYLE) & ES_READONLY) != 0)
    {
        if (m_wasReadOnly) SendMessageA(m_control, EM_SETREADONLY, FALSE, 0);
    }
    ~Writable()
    {
        if (m_wasReadOnly) SendMessageA(m_control, EM_SETREADONLY, TRUE, 0);
    }
    Writable(const Writable&) = delete;
    Writable& operator=(const Writable&) = delete;

private:
    HWND m_control;
    bool m_wasReadOnly;
};

// The control's whole text with line breaks as CR LF, one UTF-16 unit per character position (apart
// from the second character of a line break in a version-2 control).
std::wstring ReadControlText(HWND control)
{
    if (!IsVersion1(control)) {
        GETTEXTLENGTHEX lengthQuery{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, kUnicodeCodePage};
        LRESULT length = SendMessageA(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthQuery), 0);
        if (length <= 0) return std::wstring();
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        GETTEXTEX query{};
        query.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        query.flags = GT_USECRLF;
        query.codepage = kUnicodeCodePage;
        LRESULT got =
            SendMessageA(control, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&query), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(got > 0 ? static_cast<size_t>(got) : 0);
        return text;
    }
    int length = GetWindowTextLengthA(control);
    if (length <= 0) return std::wstring();
    std::string ansi(static_cast<size_t>(length) + 1, '\0');
    ansi.resize(static_cast<size_t>(GetWindowTextA(control, &ansi[0], length + 1)));
    int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(wideLength), L'\0');
    if (wideLength > 0)
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &text[0], wideLength);
    return text;
}

// The text for code matching: the codes are plain ASCII, so every other character becomes one
// byte that no code contains, and byte positions stay character positions.
std::string MatchingText(const std::wstring& text)
{
    std::string shadow(text.size(), '\x7f');
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] < 0x7f) shadow[i] = static_cast<char>(text[i]);
    return shadow;
}

DWORD CALLBACK ReadPlainText(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read)
{
    auto* rest = reinterpret_cast<std::string_view*>(cookie);
    size_t count = std::min(rest->size(), static_cast<size_t>(size));
    std::copy_n(rest->data(), count, buffer);
    rest->remove_prefix(count);
    *read = static_cast<LONG>(count);
    return 0;
}

// Streamed in as plain text, so that a message starting like rich text format is still shown as written.
void SetPlainText(HWND control, const char* text)
{
    std::string_view rest(text ? text : "");
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&rest);
    stream.pfnCallback = ReadPlainText;
    SendMessageA(control, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
}

// The user type stored with an object, in the ANSI code page and cut to the length of a code.
bool ReadObjectCode(IStorage* storage, char* code, size_t size)
{
    if (!storage || size == 0) return false;
    CLIPFORMAT format = 0;
    LPOLESTR userType = nullptr;
    if (FAILED(ReadFmtUserTypeStg(storage, &format, &userType)) || !userType) return false;
    char ansi[64] = "";
    int bytes = WideCharToMultiByte(CP_ACP, 0, userType, -1, ansi, sizeof ansi, nullptr, nullptr);
    CoTaskMemFree(userType);
    if (bytes <= 0) ansi[sizeof ansi - 1] = '\0';
    lstrcpynA(code, ansi, static_cast<int>(std::min(size, kCodeBytes + 1)));
    return true;
}

struct ObjectCode {
    LONG position;
    char code[kCodeBytes + 1];
};

// Every object of the control with its position and code, in text order.
std::vector<ObjectCode> ReadObjectCodes(IRichEditOle* ole)
{
    std::vector<ObjectCode> objects;
    LONG count = ole->GetObjectCount();
    for (LONG i = 0; i < count; ++i) {
        REOBJECT reo{};
        reo.cbStruct = sizeof reo;
        if (FAILED(ole->GetObject(i, &reo, REO_GETOBJ_PSTG))) continue;
        ObjectCode object{reo.cp, ""};
        ReadObjectCode(reo.pstg, object.code, sizeof object.code);
        if (reo.pstg) reo.pstg->Release();
        objects.push_back(object);
    }
    std::sort(objects.begin(), objects.end(),
              [](const ObjectCode& a, const ObjectCode& b) { return a.position < b.position; });
    return objects;
}

// Appends to a buffer of fixed size, keeping room for the terminating zero.
class BoundedWriter {
public:
    BoundedWriter(char* buffer, size_t size) : m_buffer(buffer), m_capacity(size ? size - 1 : 0) {}

    // All of the bytes or none: a character of several bytes is never split.
    bool Append(const char* bytes, size_t count)
    {
        if (m_used + count > m_capacity) return false;
        std::copy_n(bytes, count, m_buffer + m_used);
        m_used += count;
        return true;
    }
    size_t Used() const { return m_used; }

private:
    char* m_buffer;
    size_t m_capacity;
    size_t m_used = 0;
};

// How many UTF-16 units make the character at i: two for a line break and a surrogate pair.
size_t CharacterUnits(const std::wstring& text, size_t i)
{
    if (i + 1 >= text.size()) return 1;
    if (text[i] == L'\r' && text[i + 1] == L'\n') return 2;
    if (IS_HIGH_SURROGATE(text[i]) && IS_LOW_SURROGATE(text[i + 1])) return 2;
    return 1;
}

} // namespace

EmoticonBitmaps::~EmoticonBitmaps()
{
    Free();
}

bool EmoticonBitmaps::Load(HINSTANCE instance)
{
    bool all = true;
    for (int n = 1; n <= kEmoticonCount; ++n) {
        HBITMAP& slot = bitmaps_[n - 1];
        if (!slot) slot = LoadBitmapA(instance, MAKEINTRESOURCEA(EmoticonBitmap(n)));
        all = all && slot;
    }
    return all;
}

void EmoticonBitmaps::Free()
{
    for (HBITMAP& bitmap : bitmaps_) {
        if (bitmap) DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

HBITMAP EmoticonBitmaps::Handle(int n) const
{
    return n >= 1 && n <= kEmoticonCount ? bitmaps_[n - 1] : nullptr;
}

bool InsertEmoticon(HWND control, int n, const EmoticonBitmaps& pictures)
{
    HBITMAP bitmap = pictures.Handle(n);
    ComRef<IRichEditOle> ole(bitmap ? RichEditOle(control) : nullptr);
    if (!ole) return false;
    ComRef<BitmapDataObject> data(BitmapDataObject::Create(bitmap));
    ComRef<ILockBytes> bytes;
    ComRef<IStorage> storage;
    ComRef<IOleClientSite> site;
    ComRef<IOleObject> object;
    if (!data || FAILED(CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.Out()))) return false;
    if (FAILED(StgCreateDocfileOnILockBytes(bytes.get(), STGM_SHARE_EXCLUSIVE | STGM_CREATE | STGM_READWRITE, 0,
                                            storage.Out())))
        return false;
    if (FAILED(ole->GetClientSite(site.Out()))) return false;
    FORMATETC format = BitmapFormat();
    if (FAILED(OleCreateStaticFromData(data.get(), __uuidof(IOleObject), OLERENDER_FORMAT, &format, site.get(),
                                       storage.get(), object.OutVoid())))
        return false;
    OleSetContainedObject(object.get(), TRUE);

    // The code is the object's user type: reading the text back turns the picture into it again.
    std::string_view code = EmoticonCode(n);
    wchar_t userType[kCodeBytes + 1] = {};
    std::copy(code.begin(), code.end(), userType);
    if (FAILED(WriteFmtUserTypeStg(storage.get(), CF_TEXT, userType))) return false;

    REOBJECT reo{};
    reo.cbStruct = sizeof reo;
    object->GetUserClassID(&reo.clsid);
    reo.cp = REO_CP_SELECTION;
    reo.dvaspect = DVASPECT_CONTENT;
    reo.poleobj = object.get();
    reo.pstg = storage.get();
    reo.polesite = site.get();
    reo.dwFlags = REO_BELOWBASELINE;
    Writable writable(control);
    return SUCCEEDED(ole->InsertObject(&reo));
}

void SetRichTextWithEmoticons(HWND control, const char* text, const EmoticonBitmaps& pictures)
{
    if (!control) return;
    ReleaseEmoticonObjects(control);
    Writable writable(control);
    SendMessageA(control, WM_SETREDRAW, FALSE, 0);
    SetPlainText(control, text);

    // The control's own text decides the positions (it may have changed the line breaks). Replacing
    // from the last code backwards keeps the positions of the earlier ones valid.
    std::string matching = MatchingText(ReadControlText(control));
    bool lineBreakIsOne = !IsVersion1(control);
    std::vector<FoundEmoticon> found;
    FindEmoticons(matching, [&](const FoundEmoticon& f) { found.push_back(f); });
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        LONG start = static_cast<LONG>(lineBreakIsOne ? it->controlPosition : it->position);
        CHARRANGE range{start, start + static_cast<LONG>(EmoticonCode(it->n).size())};
        SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        InsertEmoticon(control, it->n, pictures);
    }
    CHARRANGE top{0, 0};
    SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&top));
    SendMessageA(control, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageA(control, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(control, nullptr, TRUE);
}

size_t GetTextWithCodes(HWND control, char* buffer, size_t size)
{
    if (!buffer || size == 0) return 0;
    buffer[0] = '\0';
    std::wstring text = ReadControlText(control);
    std::vector<ObjectCode> objects;
    if (ComRef<IRichEditOle> ole{RichEditOle(control)}) objects = ReadObjectCodes(ole.get());
    bool lineBreakIsOne = !IsVersion1(control);

    BoundedWriter out(buffer, size);
    size_t nextObject = 0;
    LONG position = 0;
    bool fits = true;
    for (size_t i = 0; i < text.size() && fits;) {
        size_t units = CharacterUnits(text, i);
        bool lineBreak = text[i] == L'\r' && units == 2;
        while (nextObject < objects.size() && objects[nextObject].position < position)
            ++nextObject;
        if (nextObject < objects.size() && objects[nextObject].position == position) {
            // The object's code in place of its character; a code may be cut like any other text.
            const char* code = objects[nextObject++].code;
            for (size_t b = 0; code[b] && fits; ++b)
                fits = out.Append(code + b, 1);
        } else {
            char bytes[8];
            int count = WideCharToMultiByte(CP_ACP, 0, &text[i], static_cast<int>(units), bytes, sizeof bytes, nullptr,
                                            nullptr);
            if (count > 0) fits = out.Append(bytes, static_cast<size_t>(count));
        }
        position += lineBreak && lineBreakIsOne ? 1 : static_cast<LONG>(units);
        i += units;
    }
    buffer[out.Used()] = '\0';
    return out.Used();
}

void ReleaseEmoticonObjects(HWND control)
{
    ComRef<IRichEditOle> ole(control ? RichEditOle(control) : nullptr);
    if (!ole) return;
    std::vector<LONG> positions;
    LONG count = ole->GetObjectCount();
    for (LONG i = 0; i < count; ++i) {
        REOBJECT reo{};
        reo.cbStruct = sizeof reo;
        if (SUCCEEDED(ole->GetObject(i, &reo, REO_GETOBJ_NO_INTERFACES))) positions.push_back(reo.cp);
    }
    if (positions.empty()) return;

    // Deleting an object's character makes the control close and release the object; going from the
    // end keeps the other positions valid. The undo buffer would keep them alive, so it is emptied.
    std::sort(positions.begin(), positions.end());
    Writable writable(control);
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
        CHARRANGE range{*it, *it + 1};
        SendMessageA(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        SendMessageA(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
    }
    SendMessageA(control, EM_EMPTYUNDOBUFFER, 0, 0);
}

int EmoticonObjectCount(HWND control)
{
    ComRef<IRichEditOle> ole(control ? RichEditOle(control) : nullptr);
    return ole ? static_cast<int>(ole->GetObjectCount()) : 0;
}

bool EmoticonObjectCode(HWND control, int index, char* code, size_t size, LONG* position)
{
    ComRef<IRichEditOle> ole(control ? RichEditOle(control) : nullptr);
    if (!ole || size == 0) return false;
    code[0] = '\0';
    REOBJECT reo{};
    reo.cbStruct = sizeof reo;
    if (FAILED(ole->GetObject(index, &reo, REO_GETOBJ_PSTG))) return false;
    if (position) *position = reo.cp;
    bool read = ReadObjectCode(reo.pstg, code, size);
    if (reo.pstg) reo.pstg->Release();
    return read;
}

} // namespace kivet
