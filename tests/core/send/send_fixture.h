// A send wired to doubles: the datagrams written, the boxes shown, the results and what the send
// dialog was told can all be read back after Send().
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "messenger/send/send_services.h"
#include "messenger/transport/group_datagram.h"
#include "messenger/transport/plain_datagram.h"
#include "tests/core/send/send_doubles.h"
#include "tests/fakes/transport_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet::test {

class SendFixture : public ::testing::Test {
protected:
    SendFixture();

    // Runs the sending thread with the list and the text; returns its exit code.
    int Send(std::string_view recipients, std::string_view text = "hello");

    // The Messenger-format datagrams written, in order.
    std::vector<WrittenDatagram> PlainWrites() const;
    // The group datagrams written, in order.
    std::vector<WrittenDatagram> GroupWrites() const;
    std::vector<std::string> PlainTargets() const;
    PlainDatagram ReadPlain(const WrittenDatagram& written) const;
    GroupFields ReadGroup(const WrittenDatagram& written) const;
    std::vector<std::string> BoxTexts() const;

    // A computer that resolves under its own name, with the user logged on at it.
    void AddComputer(const std::string& computer, const std::string& user);

    const TableCodec& codec = TestCodec();
    TableDirectory directory;
    RecordingWriter writer;
    ScriptedContext context;
    TableLists lists;
    ScriptedSecure secure;
    ScriptedPrompts prompts;
    ScriptedReceiptPoll receiptPoll;
    ReceiptTable results;
    RecordingDialog dialog;
    RecordingLog log;
    NonSecureConsent consent;
    SendSettings settings;
    std::vector<std::string> events;

private:
    SendServices services_;
};

} // namespace kivet::test
