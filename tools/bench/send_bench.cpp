// Plain sends per second to one recipient on this computer, through the whole sending thread and
// the real Win32 mailslot writer into a real mailslot that a second thread drains. The recipient
// runs no secure messenger and the user has agreed to plain sends, so every send is a
// Messenger-format datagram (or its pieces, with the 100 ms pause after each full piece).
//   send_bench [short-sends] [long-sends]
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "common/fixed_text.h"
#include "messenger/send/send_services.h"
#include "messenger/transport/plain_datagram.h"
#include "messenger/transport/win32/mailslots.h"

namespace {

using namespace kivet;

constexpr char kComputer[] = "BENCHPC";
constexpr char kUser[] = "BENCHUSER";

class OneComputer final : public NetworkDirectory {
public:
    std::string LocalUser() override { return kUser; }
    std::string LocalComputer() override { return kComputer; }
    std::string LocalWorkgroup() override { return "WORKGROUP"; }
    std::vector<std::string> KnownDomains() override { return {}; }
    std::vector<std::string> KnownComputers() override { return {}; }
    std::size_t RetrieveComputers() override { return 0; }
    bool ResolveName(std::string_view name, ResolveService, ResolutionRecord& record) override
    {
        if (name != "PEER") return false;
        CopyCut(record.userName, "PEERUSER");
        CopyCut(record.computerName, "PEER");
        return true;
    }
    bool FindScanned(std::string_view, std::string&) override { return false; }
    bool AdapterStatus(std::string_view, ResolutionRecord&) override { return false; }
};

class BenchContext final : public ReceiveContext {
public:
    ReceiveSettings Settings() override { return {}; }
    std::string LocalWorkgroup() override { return "WORKGROUP"; }
    std::string LocalComputer() override { return kComputer; }
    std::string LocalUser() override { return kUser; }
    bool InIgnoreList(std::string_view) override { return false; }
    bool IsMemberOfGroup(std::string_view) override { return false; }
    std::string AutoReplyMessage() override { return {}; }
    std::string ReceivedAtNow() override { return {}; }
    std::optional<std::string> ResolveName(std::string_view) override { return std::nullopt; }
    std::optional<std::string> ConfirmByAdapterStatus(std::string_view) override { return std::nullopt; }
    void WriteIncomingHistory(const MessageRecord&) override {}
    void WriteOutgoingHistory(std::string_view, std::string_view) override {}
    void Pause(unsigned milliseconds) override { Sleep(milliseconds); }
};

class NoLists final : public SendLists {
public:
    bool InNetworkGroups(std::string_view) override { return false; }
    bool InServerGroups(std::string_view) override { return false; }
    bool FindMyGroup(std::string_view, std::vector<std::string>&) override { return false; }
    void AddToQuickList(std::string_view) override {}
};

class SilentPrompts final : public SendPrompts {
public:
    BoxAnswer Show(const PromptBox&) override { return BoxAnswer::Ok; }
    NonSecureChoice AskSendNonSecure() override { return {true, true}; }
    void ShowResults(const ResultsView&) override {}
};

class NoReceipts final : public GroupReceiptPoll {
public:
    bool PollOnce() override { return false; }
    void Wait(unsigned) override {}
    void PlayIncomingSound() override {}
    void MakeNewestCurrent() override {}
    void RefreshMessageView() override {}
};

class NoDialog final : public SendDialogLink {
public:
    void CloseSendDialog() override {}
    void ReadyForNextMessage() override {}
    void UpdateStatusBar() override {}
};

class NoLog final : public ActionWriter {
public:
    void Write(std::string_view) override {}
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Drains the mailslot until told to stop, counting datagrams.
class Drain {
public:
    explicit Drain(HANDLE mailslot) : reader_(mailslot), thread_([this] { Run(); }) {}
    ~Drain()
    {
        stop_ = true;
        thread_.join();
    }
    long Count() const { return count_; }
    // Waits until at least n datagrams arrived (or two seconds passed without one).
    bool WaitFor(long n)
    {
        long seen = count_;
        DWORD quietSince = GetTickCount();
        while (count_ < n) {
            if (count_ != seen) {
                seen = count_;
                quietSince = GetTickCount();
            }
            if (GetTickCount() - quietSince > 2000) return false;
            Sleep(1);
        }
        return true;
    }

private:
    void Run()
    {
        std::vector<uint8_t> datagram;
        while (!stop_) {
            if (reader_.Read(datagram))
                ++count_;
            else
                Sleep(1);
        }
    }
    Win32MailslotReader reader_;
    std::atomic<bool> stop_{false};
    std::atomic<long> count_{0};
    std::thread thread_;
};

struct Run {
    long sends;
    std::size_t textChars;
    long datagramsPerSend;
};

void Measure(SendServices& services, Drain& drain, const Run& run)
{
    SendRequest request{"PEER", std::string(run.textChars, 'm'), SendSettings{}};
    request.settings.notifyForMsgSending = false;
    const long before = drain.Count();
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    for (long i = 0; i < run.sends; ++i)
        RunSendingThread(request, services);
    const bool arrived = drain.WaitFor(before + run.sends * run.datagramsPerSend);
    QueryPerformanceCounter(&t1);
    const double seconds = Seconds(t0, t1);
    std::printf("%5zu characters (%ld datagram%s each): %ld sends in %.3f s = %.1f sends/s, %.1f datagrams/s%s\n",
                run.textChars, run.datagramsPerSend, run.datagramsPerSend == 1 ? "" : "s", run.sends, seconds,
                run.sends / seconds, (drain.Count() - before) / seconds, arrived ? "" : "  (DATAGRAMS MISSING)");
}

} // namespace

int main(int argc, char** argv)
{
    const long shortSends = argc > 1 ? std::atol(argv[1]) : 5000;
    const long longSends = argc > 2 ? std::atol(argv[2]) : 10;
    HANDLE mailslot = CreateProgramMailslot(kPlainMailslot);
    if (mailslot == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "cannot create the Messenger-format mailslot (another messenger running?)\n");
        return 1;
    }
    OneComputer directory;
    // "PEER" is written through "\\." like this computer's own name, so the datagrams reach the
    // mailslot above through the same open, write and close as a remote one.
    Win32MailslotWriter writer("PEER");
    BenchContext context;
    NoLists lists;
    PlainOnlySecureSender secure;
    SilentPrompts prompts;
    NoReceipts receipts;
    ReceiptTable results;
    NoDialog dialog;
    NoLog log;
    TextTable texts;
    NonSecureConsent consent;
    consent.Set(true);
    SendServices services{directory, writer, AsciiCodec(), context, lists, secure, prompts, receipts,
                          results,   dialog, log,          texts,   consent};
    Drain drain(mailslot);
    std::printf("Plain sends to one recipient through the sending thread and the Win32 mailslot writer\n");
    Measure(services, drain, {shortSends, 100, 1});
    Measure(services, drain, {shortSends, 299, 1});
    Measure(services, drain, {longSends, 1000, 4});
    Measure(services, drain, {longSends, 4999, 17});
    CloseHandle(mailslot);
    return 0;
}
