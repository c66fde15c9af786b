// Emoticon pictures in a real RichEdit 2.0 control and the emoticon picker, in-process under Wine.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>
#include <richedit.h>
#include <richole.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "messenger/mainwindow/emoticon_table.h"
#include "messenger/mainwindow/win32/emoticon_picker.h"
#include "messenger/mainwindow/win32/rich_emoticons.h"
#include "tests/wine/driver/kivet_driver.h"

namespace kivet {
namespace {

const char kHostClass[] = "KivetEmoticonTestHost";

LRESULT CALLBACK HostProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

// The pictures every test inserts, loaded once for the whole program.
EmoticonBitmaps& Pictures()
{
    static EmoticonBitmaps pictures;
    return pictures;
}

// OLE, the rich-edit library, the pictures and a window class, once for the whole program.
class EmoticonEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        richEdit = LoadLibraryA("RichEd20.dll");
        ASSERT_NE(richEdit, nullptr);
        ASSERT_TRUE(Pictures().Load(GetModuleHandleA(nullptr)));
        WNDCLASSA wc{};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kHostClass;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        ASSERT_NE(RegisterClassA(&wc), 0);
    }
    void TearDown() override
    {
        Pictures().Free();
        FreeLibrary(richEdit);
        OleUninitialize();
    }
    HMODULE richEdit = nullptr;
};

const ::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new EmoticonEnvironment);

struct ObjectInfo {
    LONG position;
    std::string code;
};

// A hidden top-level window with a multi-line "RichEdit20A" child, like the message view.
class RichEmoticonsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = CreateWindowExA(0, kHostClass, "host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(host, nullptr);
        edit = CreateWindowExA(0, "RichEdit20A", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL,
                               0, 0, 380, 260, host, reinterpret_cast<HMENU>(1000), GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(edit, nullptr);
    }
    void TearDown() override
    {
        ReleaseEmoticonObjects(edit);
        DestroyWindow(host);
    }

    std::string TextWithCodes()
    {
        std::vector<char> buffer(6000, 'X');
        size_t length = GetTextWithCodes(edit, buffer.data(), buffer.size());
        EXPECT_EQ(length, std::strlen(buffer.data()));
        return buffer.data();
    }
    // The control's own text (an object shows as one character).
    std::string ControlText()
    {
        char buffer[6000] = "";
        GetWindowTextA(edit, buffer, sizeof buffer);
        return buffer;
    }
    std::vector<ObjectInfo> Objects()
    {
        std::vector<ObjectInfo> objects;
        for (int i = 0; i < EmoticonObjectCount(edit); ++i) {
            char code[16] = "";
            LONG position = -1;
            EXPECT_TRUE(EmoticonObjectCode(edit, i, code, sizeof code, &position)) << "object " << i;
            objects.push_back({position, code});
        }
        return objects;
    }

    HWND host = nullptr;
    HWND edit = nullptr;
};

TEST_F(RichEmoticonsTest, WordAndCodeShowOnePictureAndReadBackAsCodes)
{
    SetRichTextWithEmoticons(edit, "word [:)]", Pictures());
    std::vector<ObjectInfo> objects = Objects();
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].position, 5);
    EXPECT_EQ(objects[0].code, "[:)]");
    std::string shown = ControlText();
    ASSERT_EQ(shown.size(), 6u) << "the picture is one character: '" << shown << "'";
    EXPECT_EQ(shown.substr(0, 5), "word ");
    EXPECT_EQ(TextWithCodes(), "word [:)]");
}

TEST_F(RichEmoticonsTest, UpperCaseCodeStaysText)
{
    SetRichTextWithEmoticons(edit, "[:D]", Pictures());
    EXPECT_EQ(EmoticonObjectCount(edit), 0);
    EXPECT_EQ(ControlText(), "[:D]");
    EXPECT_EQ(TextWithCodes(), "[:D]");
}

TEST_F(RichEmoticonsTest, SunBecomesPicture18)
{
    SetRichTextWithEmoticons(edit, "[sun]", Pictures());
    std::vector<ObjectInfo> objects = Objects();
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].position, 0);
    EXPECT_EQ(EmoticonAt(objects[0].code, 0), 18);
    EXPECT_EQ(objects[0].code, EmoticonCode(18));
}

TEST_F(RichEmoticonsTest, CodeAtTheEndIsReplaced)
{
    SetRichTextWithEmoticons(edit, "thanks [(y)]", Pictures());
    std::vector<ObjectInfo> objects = Objects();
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].position, 7);
    EXPECT_EQ(objects[0].code, "[(y)]");
    EXPECT_EQ(ControlText().size(), 8u);
    EXPECT_EQ(TextWithCodes(), "thanks [(y)]");
}

TEST_F(RichEmoticonsTest, CodeSplitByLineBreakStaysText)
{
    SetRichTextWithEmoticons(edit, "[:\r\n)]", Pictures());
    EXPECT_EQ(EmoticonObjectCount(edit), 0);
    EXPECT_EQ(TextWithCodes(), "[:\r\n)]");
}

TEST_F(RichEmoticonsTest, CodesBackToBackBothBecomePictures)
{
    SetRichTextWithEmoticons(edit, "[:)][(f)][sun]", Pictures());
    std::vector<ObjectInfo> objects = Objects();
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[0].position, 0);
    EXPECT_EQ(objects[1].position, 1);
    EXPECT_EQ(objects[2].position, 2);
    EXPECT_EQ(ControlText().size(), 3u);
    EXPECT_EQ(TextWithCodes(), "[:)][(f)][sun]");
}

// The control counts a line break as one position, the text as two: the pictures after line breaks
// must land on their codes, and the text must come back byte for byte.
TEST_F(RichEmoticonsTest, TextWithLineBreaksRoundTripsExactly)
{
    const char text[] = "Line one\r\nline [:)] two\r\n\r\n[(f)] and [sun]!\r\n[:D] last [(})]";
    SetRichTextWithEmoticons(edit, text, Pictures());
    std::vector<ObjectInfo> objects = Objects();
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_EQ(objects[0].position, 14);
    EXPECT_EQ(objects[0].code, "[:)]");
    EXPECT_EQ(objects[1].position, 21);
    EXPECT_EQ(objects[1].code, "[(f)]");
    EXPECT_EQ(objects[2].position, 27);
    EXPECT_EQ(objects[2].code, "[sun]");
    EXPECT_EQ(objects[3].code, "[(})]");
    EXPECT_EQ(TextWithCodes(), text);
}

TEST_F(RichEmoticonsTest, TextThatLooksLikeRichTextIsShownAsWritten)
{
    const char text[] = "{\\rtf1 not formatted} [;)]";
    SetRichTextWithEmoticons(edit, text, Pictures());
    EXPECT_EQ(EmoticonObjectCount(edit), 1);
    EXPECT_EQ(TextWithCodes(), text);
}

TEST_F(RichEmoticonsTest, SmallBufferIsCutAndTerminated)
{
    SetRichTextWithEmoticons(edit, "word [:)] end", Pictures());
    struct Row {
        size_t size;
        const char* expected;
    };
    const Row rows[] = {{1, ""}, {2, "w"}, {6, "word "}, {8, "word [:"}, {10, "word [:)]"}, {11, "word [:)] "}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.size);
        char buffer[32];
        std::memset(buffer, 'X', sizeof buffer);
        size_t length = GetTextWithCodes(edit, buffer, row.size);
        EXPECT_STREQ(buffer, row.expected);
        EXPECT_EQ(length, std::strlen(row.expected));
        for (size_t i = row.size; i < sizeof buffer; ++i)
            ASSERT_EQ(buffer[i], 'X') << "written past the end at " << i;
    }
}

TEST_F(RichEmoticonsTest, ReleaseLeavesNoObjects)
{
    SetRichTextWithEmoticons(edit, "a [:)] b [(h)] c\r\n[sun]", Pictures());
    ASSERT_EQ(EmoticonObjectCount(edit), 3);
    ReleaseEmoticonObjects(edit);
    EXPECT_EQ(EmoticonObjectCount(edit), 0);
    ReleaseEmoticonObjects(edit); // nothing left: no effect
    EXPECT_EQ(EmoticonObjectCount(edit), 0);
}

// Deleting the pictures must make the control drop its references: the last reference, taken
// here, is then the only one left.
TEST_F(RichEmoticonsTest, ReleasedObjectsAreNotKeptAlive)
{
    SetRichTextWithEmoticons(edit, "[:)] [(k)]", Pictures());
    IRichEditOle* ole = nullptr;
    SendMessageA(edit, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole));
    ASSERT_NE(ole, nullptr);
    std::vector<IOleObject*> objects;
    for (LONG i = 0; i < ole->GetObjectCount(); ++i) {
        REOBJECT reo{};
        reo.cbStruct = sizeof reo;
        ASSERT_EQ(ole->GetObject(i, &reo, REO_GETOBJ_POLEOBJ), S_OK);
        objects.push_back(reo.poleobj);
    }
    ole->Release();
    ASSERT_EQ(objects.size(), 2u);
    ReleaseEmoticonObjects(edit);
    for (IOleObject* object : objects)
        EXPECT_EQ(object->Release(), 0u);
}

TEST_F(RichEmoticonsTest, NewTextReplacesTheOldPictures)
{
    SetRichTextWithEmoticons(edit, "[:)] [:)] [:)]", Pictures());
    ASSERT_EQ(EmoticonObjectCount(edit), 3);
    SetRichTextWithEmoticons(edit, "only [(k)]", Pictures());
    EXPECT_EQ(EmoticonObjectCount(edit), 1);
    EXPECT_EQ(TextWithCodes(), "only [(k)]");
    SetRichTextWithEmoticons(edit, "", Pictures());
    EXPECT_EQ(EmoticonObjectCount(edit), 0);
    EXPECT_EQ(TextWithCodes(), "");
}

// The message view is read-only; the pictures must still go in.
TEST_F(RichEmoticonsTest, ReadOnlyControlGetsPicturesToo)
{
    SendMessageA(edit, EM_SETREADONLY, TRUE, 0);
    SetRichTextWithEmoticons(edit, "hi [(a)]", Pictures());
    EXPECT_EQ(EmoticonObjectCount(edit), 1);
    EXPECT_EQ(TextWithCodes(), "hi [(a)]");
    EXPECT_TRUE(GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY) << "the control stays read-only";
}

// What the send dialog does with the picker's choice: insert at the caret, replacing a selection.
TEST_F(RichEmoticonsTest, InsertEmoticonGoesToTheSelection)
{
    SetRichTextWithEmoticons(edit, "ab\r\ncd", Pictures());
    CHARRANGE caret{4, 4}; // between "c" and "d"
    SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    ASSERT_TRUE(InsertEmoticon(edit, 28, Pictures()));
    CHARRANGE selection{0, 1}; // "a"
    SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    ASSERT_TRUE(InsertEmoticon(edit, 42, Pictures()));
    EXPECT_EQ(TextWithCodes(), "[(d)]b\r\nc[(f)]d");
    EXPECT_FALSE(InsertEmoticon(edit, 0, Pictures()));
    EXPECT_FALSE(InsertEmoticon(edit, 43, Pictures()));
    EXPECT_EQ(EmoticonObjectCount(edit), 2);
}

TEST_F(RichEmoticonsTest, EveryEntryRoundTrips)
{
    std::string text;
    for (int n = 1; n <= kEmoticonCount; ++n)
        text += std::string(EmoticonCode(n)) + (n % 7 ? " " : "\r\n");
    SetRichTextWithEmoticons(edit, text.c_str(), Pictures());
    std::vector<ObjectInfo> objects = Objects();
    ASSERT_EQ(objects.size(), static_cast<size_t>(kEmoticonCount));
    for (int n = 1; n <= kEmoticonCount; ++n)
        EXPECT_EQ(objects[n - 1].code, EmoticonCode(n));
    EXPECT_EQ(TextWithCodes(), text);
}

// The version-1 library ("RichEd32.dll", class "RichEdit") keeps a line break as two positions.
TEST(RichEmoticonsVersion1Test, LineBreaksCountTwiceAndTextRoundTrips)
{
    HMODULE richEdit1 = LoadLibraryA("RichEd32.dll");
    if (!richEdit1) GTEST_SKIP() << "RichEd32.dll is not present";
    HWND host = CreateWindowExA(0, kHostClass, "host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    HWND edit = CreateWindowExA(0, "RichEdit", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 380, 260, host, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    const char text[] = "one [:)]\r\ntwo\r\n[sun] three";
    SetRichTextWithEmoticons(edit, text, Pictures());
    EXPECT_EQ(EmoticonObjectCount(edit), 2);
    char code[8] = "";
    LONG position = -1;
    EXPECT_TRUE(EmoticonObjectCode(edit, 1, code, sizeof code, &position));
    EXPECT_STREQ(code, "[sun]");
    EXPECT_EQ(position, 12); // "one " + picture + CR LF + "two" + CR LF
    char back[64] = "";
    GetTextWithCodes(edit, back, sizeof back);
    EXPECT_STREQ(back, text);
    ReleaseEmoticonObjects(edit);
    EXPECT_EQ(EmoticonObjectCount(edit), 0);
    DestroyWindow(host);
    FreeLibrary(richEdit1);
}

// ---------------------------------------------------------------------------------------------
// The picker runs modally on the test thread; a second thread finds it (a "#32770" window owned
// by the test's window) and drives it with the mouse messages a user would cause.

struct PickerRun {
    int result = -1;
    bool found = false;
    bool leftOpen = false;
    RECT rect{};
};

class EmoticonPickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner = CreateWindowExA(0, kHostClass, "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override { DestroyWindow(owner); }

    HWND FindPicker()
    {
        return wine::WaitFor(
            [this]() -> HWND {
                HWND w = nullptr;
                while ((w = FindWindowExA(nullptr, w, "#32770", nullptr)) != nullptr)
                    if (GetWindow(w, GW_OWNER) == owner && IsWindowVisible(w)) return w;
                return nullptr;
            },
            10000);
    }

    PickerRun Pick(POINT anchor, const std::function<void(HWND)>& drive)
    {
        PickerRun run;
        std::thread driver([&] {
            HWND picker = FindPicker();
            run.found = picker != nullptr;
            if (!picker) return;
            GetWindowRect(picker, &run.rect);
            drive(picker);
            // A picker that the actions did not end is closed, so that the test cannot hang.
            if (!wine::WaitUntil([picker] { return !IsWindow(picker) || !IsWindowVisible(picker); }, 5000)) {
                run.leftOpen = true;
                PostMessageA(picker, WM_COMMAND, IDCANCEL, 0);
            }
        });
        run.result = PickEmoticon(owner, anchor, Pictures());
        driver.join();
        return run;
    }

    static void MoveTo(HWND picker, int x, int y)
    {
        POINT screen{x, y};
        ClientToScreen(picker, &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageA(picker, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }
    static void ClickAt(HWND picker, int x, int y)
    {
        MoveTo(picker, x, y);
        SendMessageA(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    static COLORREF PixelAt(HWND picker, int x, int y)
    {
        HDC dc = GetDC(picker);
        COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(picker, dc);
        return colour;
    }

    HWND owner = nullptr;
};

TEST_F(EmoticonPickerTest, ShowsAtTheAnchorWithTheGridSize)
{
    PickerRun run = Pick({40, 50}, [](HWND picker) { SendMessageA(picker, WM_COMMAND, IDCANCEL, 0); });
    ASSERT_TRUE(run.found);
    EXPECT_EQ(run.rect.left, 40);
    EXPECT_EQ(run.rect.top, 50);
    EXPECT_EQ(run.rect.right - run.rect.left, kPickerWidth);
    EXPECT_EQ(run.rect.bottom - run.rect.top, kPickerHeight);
    EXPECT_EQ(run.result, 0);
    EXPECT_FALSE(run.leftOpen);
}

TEST_F(EmoticonPickerTest, ClickOnACellChoosesItsEntry)
{
    PickerRun run = Pick({40, 50}, [](HWND picker) { ClickAt(picker, 95, 125); });
    ASSERT_TRUE(run.found);
    EXPECT_EQ(run.result, 28);
    EXPECT_FALSE(run.leftOpen);
}

TEST_F(EmoticonPickerTest, ClickOnTheFirstAndLastCells)
{
    EXPECT_EQ(Pick({40, 50}, [](HWND picker) { ClickAt(picker, 0, 0); }).result, 1);
    EXPECT_EQ(Pick({40, 50}, [](HWND picker) { ClickAt(picker, 179, 209); }).result, 42);
}

TEST_F(EmoticonPickerTest, ClickBesideOrBelowTheGridChoosesNothing)
{
    EXPECT_EQ(Pick({40, 50}, [](HWND picker) { ClickAt(picker, 182, 100); }).result, 0);
    EXPECT_EQ(Pick({40, 50}, [](HWND picker) { ClickAt(picker, 100, 212); }).result, 0);
    // Highlighted first, then clicked off the grid: still nothing.
    PickerRun run = Pick({40, 50}, [](HWND picker) {
        MoveTo(picker, 95, 125);
        ClickAt(picker, 182, 212);
    });
    EXPECT_EQ(run.result, 0);
    EXPECT_FALSE(run.leftOpen);
}

// Over entry 28 (column 3, row 4: the cell from (90, 120) to (120, 150)) the frame is drawn: two
// grey pixels on the cell's edge, one dark pixel inside; moving off the grid restores the grid.
TEST_F(EmoticonPickerTest, HighlightFrameFollowsThePointer)
{
    COLORREF before = 0, edge = 0, secondGrey = 0, dark = 0, after = 0;
    PickerRun run = Pick({40, 50}, [&](HWND picker) {
        before = PixelAt(picker, 90, 120);
        MoveTo(picker, 95, 125);
        edge = PixelAt(picker, 90, 120);
        secondGrey = PixelAt(picker, 119, 149);
        dark = PixelAt(picker, 92, 135);
        MoveTo(picker, 182, 100);
        after = PixelAt(picker, 90, 120);
        SendMessageA(picker, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(run.found);
    EXPECT_EQ(edge, RGB(0xAF, 0xAF, 0xAF));
    EXPECT_EQ(secondGrey, RGB(0xAF, 0xAF, 0xAF));
    EXPECT_EQ(dark, RGB(0x5A, 0x5A, 0x5A));
    EXPECT_EQ(after, before);
    EXPECT_NE(after, edge);
    EXPECT_EQ(run.result, 0) << "Cancel chooses nothing even with a cell highlighted";
}

TEST_F(EmoticonPickerTest, OkAndCancelChooseNothing)
{
    for (WORD id : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(id);
        PickerRun run = Pick({40, 50}, [id](HWND picker) {
            MoveTo(picker, 95, 125);
            SendMessageA(picker, WM_COMMAND, id, 0);
        });
        EXPECT_EQ(run.result, 0);
        EXPECT_FALSE(run.leftOpen);
    }
}

TEST_F(EmoticonPickerTest, LosingActivationChoosesNothing)
{
    PickerRun run = Pick({40, 50}, [](HWND picker) {
        MoveTo(picker, 95, 125);
        HWND other = CreateWindowExA(0, kHostClass, "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 200, 100,
                                     nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetForegroundWindow(other);
        wine::WaitUntil([picker] { return !IsWindowVisible(picker); }, 3000);
        DestroyWindow(other);
    });
    ASSERT_TRUE(run.found);
    EXPECT_EQ(run.result, 0);
    EXPECT_FALSE(run.leftOpen) << "activating another window must end the picker";
}

TEST_F(EmoticonPickerTest, StaysInsideTheScreen)
{
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    PickerRun run = Pick({width - 20, height - 10}, [](HWND picker) { SendMessageA(picker, WM_COMMAND, IDCANCEL, 0); });
    ASSERT_TRUE(run.found);
    EXPECT_LE(run.rect.right, width);
    EXPECT_LE(run.rect.bottom, height);
    EXPECT_EQ(run.rect.right - run.rect.left, kPickerWidth);
}

} // namespace
} // namespace kivet
