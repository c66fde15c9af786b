#include "tests/wine/send/window_helpers.h"

#include <atomic>

namespace kivet::test {
namespace {

struct ThreadWindowSearch {
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<ThreadWindowSearch*>(parameter);
    if (WindowText(window) != *search->caption || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

std::string WindowText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

HWND WaitForThreadWindow(DWORD threadId, const std::string& caption)
{
    for (int i = 0; i < 500; ++i) {
        ThreadWindowSearch search{&caption, nullptr};
        EnumThreadWindows(threadId, MatchCaption, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) return search.found;
        Sleep(10);
    }
    return nullptr;
}

void RunModal(const std::string& caption, const std::function<void()>& modal, const std::function<void(HWND)>& drive)
{
    std::atomic<DWORD> threadId{0};
    std::thread owner([&] {
        threadId = GetCurrentThreadId();
        modal();
    });
    while (threadId == 0)
        Sleep(1);
    HWND window = WaitForThreadWindow(threadId, caption);
    drive(window);
    if (window == nullptr) {
        // Nothing to drive: the modal call failed to show or showed something else; end it.
        PostThreadMessageA(threadId, WM_QUIT, 0, 0);
    }
    owner.join();
}

bool PumpUntilSignalled(HANDLE handle)
{
    const DWORD deadline = GetTickCount() + 10000;
    for (;;) {
        const DWORD now = GetTickCount();
        if (now >= deadline) return false;
        const DWORD r = MsgWaitForMultipleObjects(1, &handle, FALSE, deadline - now, QS_ALLINPUT);
        if (r == WAIT_OBJECT_0) return true;
        if (r != WAIT_OBJECT_0 + 1) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

} // namespace kivet::test
