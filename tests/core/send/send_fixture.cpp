#include "tests/core/send/send_fixture.h"

#include "messenger/transport/mailslot_port.h"

namespace kivet::test {

SendFixture::SendFixture()
    : services_{directory, writer, codec,   context, lists,  secure, prompts, receiptPoll, results, dialog, log,
                EnglishSendTexts(), consent}
{
    context.computer = "PC-07";
    context.user = "JSMITH";
    writer.events = &events;
    secure.events = &events;
    prompts.events = &events;
    receiptPoll.events = &events;
}

int SendFixture::Send(std::string_view recipients, std::string_view text)
{
    SendRequest request{std::string(recipients), std::string(text), settings};
    return RunSendingThread(request, services_);
}

std::vector<WrittenDatagram> SendFixture::PlainWrites() const
{
    std::vector<WrittenDatagram> out;
    for (const WrittenDatagram& w : writer.written)
        if (w.path == kPlainMailslot) out.push_back(w);
    return out;
}

std::vector<WrittenDatagram> SendFixture::GroupWrites() const
{
    std::vector<WrittenDatagram> out;
    for (const WrittenDatagram& w : writer.written)
        if (w.path == kGroupMailslot) out.push_back(w);
    return out;
}

std::vector<std::string> SendFixture::PlainTargets() const
{
    std::vector<std::string> out;
    for (const WrittenDatagram& w : PlainWrites())
        out.push_back(w.target);
    return out;
}

PlainDatagram SendFixture::ReadPlain(const WrittenDatagram& written) const
{
    const std::optional<PlainDatagram> datagram = ReadPlainDatagram(codec, written.bytes.data(), written.bytes.size());
    EXPECT_TRUE(datagram.has_value());
    return datagram.value_or(PlainDatagram{});
}

GroupFields SendFixture::ReadGroup(const WrittenDatagram& written) const
{
    return ReadGroupDatagram(codec, written.bytes.data(), written.bytes.size());
}

std::vector<std::string> SendFixture::BoxTexts() const
{
    return BoxTextsOf(prompts);
}

void SendFixture::AddComputer(const std::string& computer, const std::string& user)
{
    directory.resolvable[computer] = Record(user, computer);
    directory.resolvable[user] = Record(user, computer);
}

} // namespace kivet::test
