// What the sending code shows the user: message boxes, the question whether to send a message
// that cannot be enciphered, and the per-recipient results. The send dialog owns them all.
#pragma once

#include <atomic>

#include "messenger/runtime/message_box.h"
#include "messenger/send/results_view.h"

namespace kivet {

struct PromptBox {
    BoxSpec box;
    bool helpButton = false; // a Help button beside the others
};

inline bool operator==(const PromptBox& a, const PromptBox& b)
{
    return a.box == b.box && a.helpButton == b.helpButton;
}

// The answer of the "Sending non secure message" dialog.
struct NonSecureChoice {
    bool sendPlain = false;      // Yes
    bool doNotShowAgain = false; // the check box, read on Yes only
};

class SendPrompts {
public:
    virtual ~SendPrompts() = default;
    // A modal message box; the answer is the button pressed.
    virtual BoxAnswer Show(const PromptBox& box) = 0;
    // The "Sending non secure message" dialog.
    virtual NonSecureChoice AskSendNonSecure() = 0;
    // The results dialog; returns when the user has closed it.
    virtual void ShowResults(const ResultsView& view) = 0;
};

// "Do not show this message again", ticked once: from then on, until the program ends, a message
// to a computer without the secure messenger goes out plain without asking.
class NonSecureConsent {
public:
    bool Given() const { return given_.load(); }
    void Set(bool given) { given_.store(given); }

private:
    std::atomic<bool> given_{false};
};

} // namespace kivet
