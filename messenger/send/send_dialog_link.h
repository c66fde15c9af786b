// What the sending code hands back to the send dialog when it is done.
#pragma once

namespace kivet {

class SendDialogLink {
public:
    virtual ~SendDialogLink() = default;
    virtual void CloseSendDialog() = 0;
    // The dialog stays open for the next message (the focus goes back to the message text).
    virtual void ReadyForNextMessage() = 0;
    // The status bar shows the counts of computers and users and the time of the last scan again.
    virtual void UpdateStatusBar() = 0;
};

} // namespace kivet
