// Collecting the receipts of a group message: the group mailslot is polled while the sending
// code waits, and what such a poll stores is announced as the main window would.
#pragma once

namespace kivet {

class GroupReceiptPoll {
public:
    virtual ~GroupReceiptPoll() = default;
    // One pass over the group mailslot; true when it stored a new message. Receipts go into the
    // receipt table.
    virtual bool PollOnce() = 0;
    virtual void Wait(unsigned milliseconds) = 0;
    virtual void PlayIncomingSound() = 0;
    virtual void MakeNewestCurrent() = 0;
    // Asks the main window to show the store again (window message 3333).
    virtual void RefreshMessageView() = 0;
};

} // namespace kivet
