// Writes a few sample messages into the running program's Messenger-format mailslot, as other
// computers would, for screenshots and manual checks.
//   demo_messages [tray|away]   ("tray" also opens the tray menu afterwards, "away" the
//                               "Set Auto-Reply message" dialog)
#include <windows.h>

#include <cstring>
#include <string>

namespace {

bool WritePlain(const std::string& sender, const std::string& recipient, const std::string& text,
                const std::string& origin)
{
    std::string d = sender + '\0' + recipient + '\0' + text + '\0' + origin + '\0' + '\0' + '\0';
    HANDLE slot = CreateFileA("\\\\.\\mailslot\\messngr", GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (slot == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(slot, d.data(), static_cast<DWORD>(d.size()), &written, nullptr);
    CloseHandle(slot);
    return true;
}

BOOL CALLBACK FindMain(HWND hwnd, LPARAM param)
{
    auto* found = reinterpret_cast<HWND*>(param);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") == 0 && GetWindow(hwnd, GW_OWNER) == found[0]) {
        found[1] = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int main(int argc, char** argv)
{
    bool ok = WritePlain("Alice", "Bob",
                         "Good morning [:)] The build server is back up [(y)]\r\n"
                         "Minutes of the meeting: http://intranet.example/minutes [(o)]",
                         "ALICE-PC");
    Sleep(200);
    ok = WritePlain("Carol", "Bob", "Lunch at noon? [(b)][:d]", "CAROL-PC") && ok;
    if (argc > 1) {
        Sleep(4000);
        HWND found[2] = {FindWindowA("Kivet Secure Messenger", nullptr), nullptr};
        if (found[0]) EnumWindows(FindMain, reinterpret_cast<LPARAM>(found));
        if (!found[1]) return 2;
        if (std::strcmp(argv[1], "tray") == 0) {
            SetCursorPos(700, 560);
            PostMessageA(found[1], 1037, 107, WM_RBUTTONDOWN);
        } else if (std::strcmp(argv[1], "away") == 0) {
            PostMessageA(found[1], WM_COMMAND, 32832, 0);
        }
        return 0;
    }
    return ok ? 0 : 1;
}
