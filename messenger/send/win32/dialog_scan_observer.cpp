#include "messenger/send/win32/dialog_scan_observer.h"

#include <memory>

#include "messenger/send/win32/send_dialog_state.h"

namespace kivet {

template <typename T> void DialogScanObserver::PostCopy(UINT message, const T& value)
{
    std::lock_guard<std::mutex> guard(lock_);
    if (!dialog_) return;
    auto copy = std::make_unique<T>(value);
    if (PostMessageA(dialog_, message, 0, reinterpret_cast<LPARAM>(copy.get()))) copy.release();
}

void DialogScanObserver::ShowStatus(const std::vector<StatusPart>& parts)
{
    PostCopy(kMsgScanStatus, parts);
}

void DialogScanObserver::InsertTreeItems(const std::vector<TreeItem>& items)
{
    PostCopy(kMsgScanTree, items);
}

void DialogScanObserver::Detach()
{
    std::lock_guard<std::mutex> guard(lock_);
    dialog_ = nullptr;
}

void DiscardPostedScanReports(HWND dialog)
{
    MSG msg;
    while (PeekMessageA(&msg, dialog, kMsgScanStatus, kMsgScanStatus, PM_REMOVE))
        delete reinterpret_cast<std::vector<StatusPart>*>(msg.lParam);
    while (PeekMessageA(&msg, dialog, kMsgScanTree, kMsgScanTree, PM_REMOVE))
        delete reinterpret_cast<std::vector<TreeItem>*>(msg.lParam);
}

} // namespace kivet
