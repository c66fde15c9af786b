// The window side of the program's end: the Exit command and the end of the Windows session.
#pragma once

#include "messenger/app/application.h"
#include "messenger/runtime/shutdown.h"

namespace kivet {

class Win32ShutdownHost : public ShutdownHost {
public:
    explicit Win32ShutdownHost(Application& app) : app_(app) {}
    BoxAnswer ShowBox(const BoxSpec& box) override;
    const char* Text(uint32_t id) override;
    int UnreadMessageCount() override;
    void EmptyMessageStore() override;
    void RestoreMainWindow() override;
    bool MarkShuttingDown() override;
    void RemoveTrayIcon() override;
    void StopScrollLockBlinking() override;
    ShutdownState State() override;
    void ReleaseViewObjects() override;
    void DestroyChildWindows() override;
    void EndMainDialog() override;
    void KillTimer(uint32_t id) override;
    void StopTrayBlinking() override;
    void TerminateScanThread() override;
    void CloseWorkerAndMailslotHandles() override;
    void DestroyNetworkState() override;
    void ReleaseGdiResources() override;
    void SaveSettings() override;
    void RemoveContextMenuVerb() override;
    void UnregisterHotkey() override;
    void StopTransferServer() override;
    void PostQuit() override;

private:
    Application& app_;
};

// The state the sequence depends on, read from the running program.
ShutdownState CurrentShutdownState(const Application& app);

} // namespace kivet
