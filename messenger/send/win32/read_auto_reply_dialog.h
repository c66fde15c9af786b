// "Read Auto-Reply message" (dialog 343): another user's or computer's Auto-Reply message.
#pragma once

#include <windows.h>

#include <string>

namespace kivet {

void ShowAutoReplyMessage(HINSTANCE instance, HWND owner, const std::string& name, const std::string& message);

} // namespace kivet
