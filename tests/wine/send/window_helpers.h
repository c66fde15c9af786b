// Helpers for the sending code's window tests: a modal dialog run on a thread of its own while the
// test thread finds and drives it, and a message pump that waits for a handle.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace kivet::test {

// The top-level window of the thread with the caption, waited for up to five seconds.
HWND WaitForThreadWindow(DWORD threadId, const std::string& caption);

// Runs the modal call on a thread of its own, hands its window (by caption) to drive, and waits
// for the call to return.
void RunModal(const std::string& caption, const std::function<void()>& modal, const std::function<void(HWND)>& drive);

// Dispatches messages for this thread until the handle is signalled or ten seconds passed;
// false on time-out.
bool PumpUntilSignalled(HANDLE handle);

std::string WindowText(HWND window);

} // namespace kivet::test
