#include "messenger/app/main_thread_call.h"

namespace kivet {

void RunOnMainThread(HWND frame, const std::function<void()>& call)
{
    if (!frame || GetWindowThreadProcessId(frame, nullptr) == GetCurrentThreadId()) {
        call();
        return;
    }
    SendMessageA(frame, kMsgRunOnMainThread, 0, reinterpret_cast<LPARAM>(&call));
}

} // namespace kivet
