// Work another thread hands to the main thread and waits for: the personal lists, for instance,
// are only ever touched on the main thread, also by the sending thread.
#pragma once

#include <windows.h>

#include <functional>

namespace kivet {

// The frame window's message that runs a call (lParam: a std::function<void()>*).
constexpr UINT kMsgRunOnMainThread = WM_APP + 1;

// Runs the call on the thread of the frame window: at once when that is the calling thread,
// otherwise through the frame's messages, returning when it has run. Without a frame it runs here.
void RunOnMainThread(HWND frame, const std::function<void()>& call);

} // namespace kivet
