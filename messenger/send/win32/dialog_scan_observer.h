// The send dialog as a scan's observer. A scan reports from its own threads; the observer posts
// copies of what it was told to the dialog, which shows them on its own thread. Once the dialog
// closes the observer is detached and posts nothing more.
#pragma once

#include <windows.h>

#include <mutex>
#include <vector>

#include "messenger/browser/scan_observer.h"

namespace kivet {

class DialogScanObserver final : public ScanObserver {
public:
    explicit DialogScanObserver(HWND dialog) : dialog_(dialog) {}
    void ShowStatus(const std::vector<StatusPart>& parts) override;
    void ClearTree() override {} // the dialog rebuilds the whole tree when the names come
    void InsertTreeItems(const std::vector<TreeItem>& items) override;
    void Detach();

private:
    template <typename T> void PostCopy(UINT message, const T& value);
    std::mutex lock_;
    HWND dialog_;
};

// Frees what posted messages still waiting in the dialog's queue carry (when the dialog closes).
void DiscardPostedScanReports(HWND dialog);

} // namespace kivet
