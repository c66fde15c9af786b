// Drives the running program's send dialog for screenshots and manual checks.
//   send_dialog_demo new     opens the dialog (New message)
//   send_dialog_demo quick   opens the Paste Quick Answer menu of the open dialog
//   send_dialog_demo check   presses Send in the open dialog with an empty message and prints the
//                            balloon tooltip's state
//   send_dialog_demo select  selects the first Quick List name in the open dialog's tree
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr WORD kNew = 32771, kQuick = 1101, kSend = 1004;
constexpr int kRecipient = 1005, kTree = 1008;

BOOL CALLBACK FindByClassAndOwner(HWND hwnd, LPARAM param)
{
    auto* found = reinterpret_cast<HWND*>(param);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    const bool dialog = std::strcmp(cls, "#32770") == 0;
    if (dialog && found[0] && GetWindow(hwnd, GW_OWNER) == found[0] && !GetDlgItem(hwnd, kRecipient)) {
        found[1] = hwnd; // the main window: owned by the frame
        return FALSE;
    }
    if (dialog && !found[0] && GetDlgItem(hwnd, kRecipient)) {
        found[1] = hwnd; // the send dialog
        return FALSE;
    }
    return TRUE;
}

HWND MainWindow()
{
    HWND found[2] = {FindWindowA("Kivet Secure Messenger", nullptr), nullptr};
    if (found[0]) EnumWindows(FindByClassAndOwner, reinterpret_cast<LPARAM>(found));
    return found[1];
}

HWND SendDialog()
{
    HWND found[2] = {nullptr, nullptr};
    EnumWindows(FindByClassAndOwner, reinterpret_cast<LPARAM>(found));
    return found[1];
}

} // namespace

int main(int argc, char** argv)
{
    const std::string what = argc > 1 ? argv[1] : "new";
    if (what == "new") {
        HWND main = MainWindow();
        return main && PostMessageA(main, WM_COMMAND, kNew, 0) ? 0 : 1;
    }
    HWND dialog = SendDialog();
    if (!dialog) return 1;
    if (what == "quick") PostMessageA(dialog, WM_COMMAND, kQuick, 0);
    if (what == "check") {
        SendMessageA(GetDlgItem(dialog, kRecipient), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ALICE"));
        PostMessageA(dialog, WM_COMMAND, kSend, 0);
        Sleep(500);
        for (HWND w = FindWindowExA(nullptr, nullptr, "tooltips_class32", nullptr); w;
             w = FindWindowExA(nullptr, w, "tooltips_class32", nullptr)) {
            RECT r;
            GetWindowRect(w, &r);
            if (GetWindow(w, GW_OWNER) == dialog)
                std::printf("validation balloon: tooltip %d visible %d at %ld,%ld-%ld,%ld\n", 1, IsWindowVisible(w), r.left, r.top, r.right, r.bottom);
        }
    }
    if (what == "select") {
        HWND tree = GetDlgItem(dialog, kTree);
        HTREEITEM heading = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        for (int i = 0; i < 2 && heading; ++i)
            heading = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                                               reinterpret_cast<LPARAM>(heading)));
        HTREEITEM name = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(heading)));
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(name));
    }
    return 0;
}
