#include "messenger/mainwindow/win32/emoticon_picker.h"

#include <commctrl.h>

#include "messenger/mainwindow/emoticon_table.h"
#include "messenger/mainwindow/win32/rich_emoticons.h"

namespace kivet {
namespace {

constexpr COLORREF kFrameGrey = RGB(0xAF, 0xAF, 0xAF);
constexpr COLORREF kFrameDark = RGB(0x5A, 0x5A, 0x5A);
constexpr int kGreyWidth = 2;
constexpr int kPictureLeft = 8; // the highlighted picture is drawn at the cell's corner plus these
constexpr int kPictureTop = 3;
constexpr int kPictureSize = 19;

struct PickerState {
    POINT anchor;
    const EmoticonBitmaps* pictures = nullptr;
    HBITMAP grid = nullptr;
    int selection = 0;          // the highlighted entry, 0 while the pointer is off the grid
    int chosen = 0;             // what PickEmoticon returns
    bool trackingLeave = false; // a WM_MOUSELEAVE has been asked for
    bool ended = false;         // later deactivation must not overwrite the result
};

PickerState* State(HWND hDlg)
{
    return reinterpret_cast<PickerState*>(GetWindowLongPtrA(hDlg, DWLP_USER));
}

void EndPicker(HWND hDlg, int chosen, INT_PTR code)
{
    PickerState* state = State(hDlg);
    if (state->ended) return;
    state->ended = true;
    state->chosen = chosen;
    EndDialog(hDlg, code);
}

// Shows the picker at the anchor, moved inside the work area when it would stick out.
void PlacePicker(HWND hDlg, POINT anchor)
{
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    LONG x = anchor.x, y = anchor.y;
    if (x + kPickerWidth > work.right) x = work.right - kPickerWidth;
    if (y + kPickerHeight > work.bottom) y = work.bottom - kPickerHeight;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    SetWindowPos(hDlg, nullptr, x, y, kPickerWidth, kPickerHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FillBand(HDC dc, const RECT& outer, int width, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    RECT sides[4] = {
        {outer.left, outer.top, outer.right, outer.top + width},
        {outer.left, outer.bottom - width, outer.right, outer.bottom},
        {outer.left, outer.top + width, outer.left + width, outer.bottom - width},
        {outer.right - width, outer.top + width, outer.right, outer.bottom - width},
    };
    for (const RECT& side : sides)
        FillRect(dc, &side, brush);
    DeleteObject(brush);
}

// The frame of the highlighted cell: a 2-pixel grey band on the cell's edge, a 1-pixel dark line
// inside it, and the entry's picture.
void DrawHighlight(HDC dc, int entry, const EmoticonBitmaps& pictures)
{
    int column = (entry - 1) % kPickerColumns;
    int row = (entry - 1) / kPickerColumns;
    RECT cell{column * kPickerCell, row * kPickerCell, (column + 1) * kPickerCell, (row + 1) * kPickerCell};
    FillBand(dc, cell, kGreyWidth, kFrameGrey);
    RECT inner{cell.left + kGreyWidth, cell.top + kGreyWidth, cell.right - kGreyWidth, cell.bottom - kGreyWidth};
    FillBand(dc, inner, 1, kFrameDark);

    HBITMAP picture = pictures.Handle(entry);
    if (!picture) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, picture);
    BitBlt(dc, cell.left + kPictureLeft, cell.top + kPictureTop, kPictureSize, kPictureSize, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

BOOL Picker_OnInitDialog(HWND hDlg, LPARAM lParam)
{
    auto* state = reinterpret_cast<PickerState*>(lParam);
    SetWindowLongPtrA(hDlg, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    state->grid = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kPickerGridBitmap));
    PlacePicker(hDlg, state->anchor);
    return TRUE;
}

void Picker_OnPaint(HWND hDlg)
{
    PickerState* state = State(hDlg);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hDlg, &ps);
    if (state->grid) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, state->grid);
        BitBlt(dc, 0, 0, kPickerWidth, kPickerHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    if (state->selection) DrawHighlight(dc, state->selection, *state->pictures);
    EndPaint(hDlg, &ps);
}

void Picker_Select(HWND hDlg, int entry)
{
    PickerState* state = State(hDlg);
    if (entry == state->selection) return;
    state->selection = entry;
    InvalidateRect(hDlg, nullptr, FALSE);
    UpdateWindow(hDlg);
}

void Picker_OnMouseMove(HWND hDlg, int x, int y)
{
    PickerState* state = State(hDlg);
    if (!state->trackingLeave) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hDlg, 0};
        state->trackingLeave = _TrackMouseEvent(&track) != FALSE;
    }
    Picker_Select(hDlg, PickerEntryAt(x, y));
}

void Picker_OnMouseLeave(HWND hDlg)
{
    State(hDlg)->trackingLeave = false;
    Picker_Select(hDlg, 0);
}

void Picker_OnLButtonDown(HWND hDlg, int x, int y)
{
    Picker_Select(hDlg, PickerEntryAt(x, y));
    EndPicker(hDlg, State(hDlg)->selection, IDOK);
}

void Picker_OnActivate(HWND hDlg, WORD activation)
{
    if (activation == WA_INACTIVE) EndPicker(hDlg, 0, IDCANCEL);
}

void Picker_OnCommand(HWND hDlg, WORD id)
{
    if (id == IDOK || id == IDCANCEL) EndPicker(hDlg, 0, id);
}

void Picker_OnDestroy(HWND hDlg)
{
    PickerState* state = State(hDlg);
    if (state && state->grid) DeleteObject(state->grid);
    if (state) state->grid = nullptr;
}

INT_PTR CALLBACK PickerDialogProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    int x = static_cast<short>(LOWORD(lParam));
    int y = static_cast<short>(HIWORD(lParam));
    if (uMsg != WM_INITDIALOG && !State(hDlg)) return FALSE;
    switch (uMsg) {
    case WM_INITDIALOG: return Picker_OnInitDialog(hDlg, lParam);
    case WM_ERASEBKGND: SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, 1); return TRUE; // the grid covers everything
    case WM_PAINT: Picker_OnPaint(hDlg); return TRUE;
    case WM_MOUSEMOVE: Picker_OnMouseMove(hDlg, x, y); return TRUE;
    case WM_MOUSELEAVE: Picker_OnMouseLeave(hDlg); return TRUE;
    case WM_LBUTTONDOWN: Picker_OnLButtonDown(hDlg, x, y); return TRUE;
    case WM_ACTIVATE: Picker_OnActivate(hDlg, LOWORD(wParam)); return FALSE;
    case WM_COMMAND: Picker_OnCommand(hDlg, LOWORD(wParam)); return TRUE;
    case WM_DESTROY: Picker_OnDestroy(hDlg); return FALSE;
    }
    return FALSE;
}

} // namespace

int PickEmoticon(HWND owner, POINT anchor, const EmoticonBitmaps& pictures)
{
    PickerState state{};
    state.anchor = anchor;
    state.pictures = &pictures;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kPickerDialog), owner,
                                     PickerDialogProc, reinterpret_cast<LPARAM>(&state));
    return result == -1 ? 0 : state.chosen;
}

} // namespace kivet
