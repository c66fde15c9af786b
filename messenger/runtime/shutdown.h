// The end of the program: the Exit command's questions and the fixed shutdown sequence that both
// Exit and the end of the Windows session run. The window side implements ShutdownHost.
#pragma once

#include <cstdint>

#include "messenger/runtime/message_box.h"

namespace kivet {

class ActionWriter;

struct ShutdownState {
    bool autoReplyMode = false;
    bool trayBlinking = false;
    bool scrollLockBlinking = false;
    bool useHotkey = false;
    bool acceptFiles = false;
};

class ShutdownHost {
public:
    virtual ~ShutdownHost() = default;
    virtual BoxAnswer ShowBox(const BoxSpec& box) = 0;
    virtual const char* Text(uint32_t id) = 0;
    virtual int UnreadMessageCount() = 0;
    virtual void EmptyMessageStore() = 0;
    // Shows the main window again, refreshed and in front, after a cancelled exit.
    virtual void RestoreMainWindow() = 0;

    // Marks the program as ending; false when it already was (the sequence then runs no more).
    virtual bool MarkShuttingDown() = 0;
    virtual void RemoveTrayIcon() = 0;
    virtual void ReleaseViewObjects() = 0;
    virtual void DestroyChildWindows() = 0;
    virtual void EndMainDialog() = 0;
    virtual void KillTimer(uint32_t id) = 0;
    virtual void StopTrayBlinking() = 0; // clears the blinking flag
    // Ends the Scroll Lock blinking and leaves the light as the user had it.
    virtual void StopScrollLockBlinking() = 0;
    // The running program's state, read when the sequence starts.
    virtual ShutdownState State() = 0;
    virtual void TerminateScanThread() = 0;
    virtual void CloseWorkerAndMailslotHandles() = 0;
    virtual void DestroyNetworkState() = 0;
    virtual void ReleaseGdiResources() = 0;
    virtual void SaveSettings() = 0;
    virtual void RemoveContextMenuVerb() = 0;
    virtual void UnregisterHotkey() = 0;
    virtual void StopTransferServer() = 0;
    virtual void PostQuit() = 0;
};

// The common sequence; runs without questions, at most once. Returns false when it had run
// already.
bool RunShutdownSequence(ShutdownHost& host, const ShutdownState& state, ActionWriter& log);

// The Exit command: asks, and on Yes runs the sequence and posts the quit message.
// Returns true when the program is ending.
bool RunExitCommand(ShutdownHost& host, ActionWriter& log);

} // namespace kivet
