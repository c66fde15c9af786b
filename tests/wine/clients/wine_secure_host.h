// A SecureHost for the Wine test programs: the system's computer and user names, the store's time
// format left plain, and recorders for what the exchange hands over.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "common/fixed_text.h"
#include "messenger/clients/secure_host.h"
#include "messenger/runtime/action_log.h"

namespace kivet::wine {

inline std::string UpperName(const char* name)
{
    std::string upper(name);
    for (char& c : upper)
        c = AsciiUpper(c);
    return upper;
}

class WineSecureHost : public SecureHost {
public:
    SecureSettings Settings() override { return SecureSettings{}; }
    std::string LocalComputer() override
    {
        char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
        DWORD size = sizeof name;
        GetComputerNameA(name, &size);
        return UpperName(name);
    }
    std::string LocalUser() override
    {
        char name[257] = {};
        DWORD size = sizeof name;
        GetUserNameA(name, &size);
        return UpperName(name);
    }
    const TextCodec& Codec() override { return AsciiCodec(); }
    bool InIgnoreList(std::string_view) override { return false; }
    std::string ReceivedAtNow() override { return "now"; }
    void WriteIncomingHistory(const MessageRecord&) override {}
    void AnswerWithAutoReply(std::string_view) override {}
    void SecureMessageStored() override
    {
        if (onStored) onStored();
        ++stored;
    }
    void WriteOutgoingHistory(std::string_view, std::string_view, std::string_view) override {}
    void ShowBox(const BoxSpec& box) override
    {
        std::lock_guard<std::mutex> hold(lock);
        boxes.push_back(box);
    }
    void Pause(unsigned milliseconds) override { Sleep(milliseconds); }

    std::function<void()> onStored; // set before the session starts
    std::atomic<int> stored{0};
    std::mutex lock;
    std::vector<BoxSpec> boxes;
};

class NoLog : public ActionWriter {
public:
    void Write(std::string_view) override {}
};

} // namespace kivet::wine
