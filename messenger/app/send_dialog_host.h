// The send dialog's view of the program: the lists, the network browser, the sending thread and
// the commands on names, made from the program's objects.
#pragma once

#include "messenger/app/application.h"
#include "messenger/send/win32/send_dialog_host.h"

namespace kivet {

class ProgramSendDialogHost final : public SendDialogHost {
public:
    explicit ProgramSendDialogHost(Application& app);

    const SendDialogResources& Resources() override { return resources_; }
    std::vector<std::string> QuickList() override;
    NamesTreeInput TreeContent() override;
    std::vector<std::string> QuickAnswers() override;
    bool InAutoReplyMode() override { return app_.InAutoReplyMode(); }
    std::vector<StatusPart> ScanFigures() override;
    bool StartScan() override;
    void WatchScans(std::shared_ptr<ScanObserver> observer) override;
    SendLaunch PrepareSend(HWND dialog) override;
    void ShowDetails(HWND owner, const std::string& name) override;
    void BrowseComputer(HWND owner, const std::string& name) override;
    std::optional<std::string> ReadAutoReply(const std::string& name) override;
    void AddToList(HWND owner, const std::string& name, bool ignoreList) override;
    void OpenQuickAnswersOptions(HWND owner) override;

private:
    Application& app_;
    SendDialogResources resources_;
};

} // namespace kivet
