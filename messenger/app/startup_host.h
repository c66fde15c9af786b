// The window side of the program's start: what RunProgram asks of the system.
#pragma once

#include "messenger/app/application.h"
#include "messenger/runtime/program_start.h"

namespace kivet {

class Win32StartupHost : public StartupHost {
public:
    explicit Win32StartupHost(Application& app) : app_(app) {}
    void InitCommonControlsAndOle() override;
    void LoadStartupStrings() override;
    std::string StartupString(unsigned id) override;
    bool NetworkPresent() override;
    BoxAnswer ShowBox(const BoxSpec& box) override;
    std::string ProgramDirectory() override;
    std::string CommandArguments() override;
    bool SendToRunningInstance(unsigned message, unsigned wParam) override;
    void CreateNetworkState() override;
    void DestroyNetworkState() override;
    bool EnumerateAdapters() override;
    void FillLocalNames() override;
    OsVersion QueryOsVersion() override;
    void StartStartupWorker() override;
    void SendToRecipients(const std::vector<std::string>& recipients, const std::string& text) override;
    bool CreateFrameWindow() override;
    int RunMessageLoop() override;

private:
    Application& app_;
};

} // namespace kivet
