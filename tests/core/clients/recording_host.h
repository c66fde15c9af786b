// A SecureHost and an action log that record what the secure exchange and the sender did, for the
// test thread to read while server threads write.
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "common/fixed_text.h"
#include "messenger/clients/secure_host.h"
#include "messenger/runtime/action_log.h"

namespace kivet::test {

class RecordingLog : public ActionWriter {
public:
    void Write(std::string_view text) override
    {
        std::lock_guard<std::mutex> hold(lock_);
        lines_.emplace_back(text);
    }
    std::vector<std::string> Lines() const
    {
        std::lock_guard<std::mutex> hold(lock_);
        return lines_;
    }

private:
    mutable std::mutex lock_;
    std::vector<std::string> lines_;
};

struct OutgoingHistory {
    std::string sender, recipient, text;
};

class RecordingHost : public SecureHost {
public:
    RecordingHost(std::string computer, std::string user) : computer_(std::move(computer)), user_(std::move(user)) {}

    // Set before the threads start.
    SecureSettings settings;
    std::set<std::string> ignoreList; // upper case
    bool instantPauses = false;       // pauses only add up, so the sender's wait runs out at once

    SecureSettings Settings() override { return settings; }
    std::string LocalComputer() override { return computer_; }
    std::string LocalUser() override { return user_; }
    const TextCodec& Codec() override { return AsciiCodec(); }
    bool InIgnoreList(std::string_view name) override
    {
        std::string upper(name);
        for (char& c : upper)
            c = AsciiUpper(c);
        return ignoreList.count(upper) != 0;
    }
    std::string ReceivedAtNow() override { return "06 December 2003 15:35:47"; }
    void WriteIncomingHistory(const MessageRecord& record) override
    {
        std::lock_guard<std::mutex> hold(lock_);
        incoming_.push_back(record);
    }
    void AnswerWithAutoReply(std::string_view computer) override
    {
        std::lock_guard<std::mutex> hold(lock_);
        autoReplies_.emplace_back(computer);
    }
    void SecureMessageStored() override { ++stored_; }
    void WriteOutgoingHistory(std::string_view sender, std::string_view recipient, std::string_view text) override
    {
        std::lock_guard<std::mutex> hold(lock_);
        outgoing_.push_back({std::string(sender), std::string(recipient), std::string(text)});
    }
    void ShowBox(const BoxSpec& box) override
    {
        std::lock_guard<std::mutex> hold(lock_);
        boxes_.push_back(box);
    }
    void Pause(unsigned milliseconds) override
    {
        pausedMs_ += milliseconds;
        if (!instantPauses) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }

    int StoredNotifications() const { return stored_; }
    unsigned PausedMs() const { return pausedMs_; }
    std::vector<MessageRecord> Incoming() const { return Copy(incoming_); }
    std::vector<std::string> AutoReplies() const { return Copy(autoReplies_); }
    std::vector<OutgoingHistory> Outgoing() const { return Copy(outgoing_); }
    std::vector<BoxSpec> Boxes() const { return Copy(boxes_); }

private:
    template <class T> std::vector<T> Copy(const std::vector<T>& items) const
    {
        std::lock_guard<std::mutex> hold(lock_);
        return items;
    }

    const std::string computer_, user_;
    mutable std::mutex lock_;
    std::vector<MessageRecord> incoming_;
    std::vector<std::string> autoReplies_;
    std::vector<OutgoingHistory> outgoing_;
    std::vector<BoxSpec> boxes_;
    std::atomic<int> stored_{0};
    std::atomic<unsigned> pausedMs_{0};
};

} // namespace kivet::test
