// The program-side seams of the sending code: the receipt poll over the real group poll and
// message store, and the sending code's view of the personal lists.
#include <gtest/gtest.h>

#include "messenger/send/personal_send_lists.h"
#include "messenger/send/transport_receipt_poll.h"
#include "messenger/transport/group_datagram.h"
#include "tests/core/lists/list_fakes.h"
#include "tests/core/send/send_fixture.h"

namespace kivet {
namespace {

using Rows = std::vector<ResultRow>;

std::vector<uint8_t> GroupWire(uint32_t kind, std::string group, std::string senderName, std::string senderComputer,
                               std::string text = "")
{
    GroupFields fields;
    fields.kind = kind;
    fields.groupName = std::move(group);
    fields.targetName = "PC-07";
    fields.senderComputer = std::move(senderComputer);
    fields.senderName = std::move(senderName);
    fields.text = std::move(text);
    const GroupDatagramBytes bytes = BuildGroupDatagram(test::TestCodec(), fields);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

class ReceiptPollOverTransport : public test::SendFixture {
protected:
    ReceiptPollOverTransport()
        : poll(mailslot, writer, codec, context, store, results,
               ReceiptPollCallbacks{[this] { ++sounds; }, [this] { ++refreshes; }})
    {
    }

    test::QueueReader mailslot;
    MessageStore store;
    int sounds = 0;
    int refreshes = 0;
    TransportReceiptPoll poll;
};

TEST_F(ReceiptPollOverTransport, ReceiptsFillTheTableAndGroupMessagesTheStore)
{
    context.groups = {"@SALES"};
    mailslot.Push(GroupWire(kGroupReceipt, "@SALES", "ALICE", "PC1"));
    mailslot.Push(GroupWire(kGroupMessage, "@SALES", "bob", "PC2", "lunch?"));
    EXPECT_TRUE(poll.PollOnce());
    EXPECT_EQ(results.Count(), 1u);
    EXPECT_EQ(store.Counts().total, 1);
    EXPECT_FALSE(poll.PollOnce()) << "nothing waiting";
    poll.Wait(100);
    EXPECT_EQ(context.pauses.back(), 100u);
    poll.PlayIncomingSound();
    poll.RefreshMessageView();
    EXPECT_EQ(sounds, 1);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(ReceiptPollOverTransport, TheNewestStoredMessageBecomesCurrent)
{
    MessageRecord record{};
    store.Append(record);
    store.Append(record);
    poll.MakeNewestCurrent();
    EXPECT_EQ(store.Counts().current, 2);
}

// A whole group send whose receipts come through the real group poll.
class GroupSendOverTransport : public ReceiptPollOverTransport {
protected:
    GroupSendOverTransport()
        : services{directory, writer, codec,   context, lists,  secure, prompts, poll, results, dialog, log,
                   test::EnglishSendTexts(), consent}
    {
        lists.networkGroups = {"@SALES"};
    }
    SendServices services;
};

TEST_F(GroupSendOverTransport, TheResultsShowTheComputersThatAcknowledged)
{
    mailslot.Push(GroupWire(kGroupReceipt, "@SALES", "ALICE", "PC1"));
    mailslot.Push(GroupWire(kGroupReceipt, "@SALES", "ALICE", "PC1"));
    mailslot.Push(GroupWire(kGroupReceipt, "@SALES", "BOB", "PC2"));
    settings.playSoundOnReceive = true;
    RunSendingThread(SendRequest{"@SALES", "hi", settings}, services);
    ASSERT_EQ(prompts.results.size(), 1u);
    EXPECT_EQ(prompts.results[0].rows, (Rows{{"Alice", "Pc1"}, {"Bob", "Pc2"}}));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(sounds, 0) << "receipts store no message";
}

class SendListsOverPersonalLists : public ::testing::Test {
protected:
    SendListsOverPersonalLists() : lists(registry, test::TestCodec()), view(lists, serverGroups, test::TestCodec())
    {
        registry.Put(test::Under("NetworkGroups"), "@SALES");
        registry.Put(test::Under("MyGroups\\#TEAM"), "PC1");
        registry.Put(test::Under("MyGroups\\FRIENDS"), "PC2");
        lists.LoadAtStartup();
    }
    test::ListRegistry registry;
    PersonalLists lists;
    ServerGroupList serverGroups;
    PersonalSendLists view;
};

TEST_F(SendListsOverPersonalLists, GroupsAreFoundInTheirLists)
{
    serverGroups.Add("@SUPPORT");
    EXPECT_TRUE(view.InNetworkGroups("@SALES"));
    EXPECT_FALSE(view.InNetworkGroups("@SUPPORT"));
    EXPECT_TRUE(view.InServerGroups("@support"));
    EXPECT_FALSE(view.InServerGroups("@SALES"));
}

TEST_F(SendListsOverPersonalLists, AMyGroupIsFoundWithOrWithoutItsMark)
{
    std::vector<std::string> members;
    ASSERT_TRUE(view.FindMyGroup("#TEAM", members));
    EXPECT_EQ(members, std::vector<std::string>{"PC1"});
    ASSERT_TRUE(view.FindMyGroup("#FRIENDS", members));
    EXPECT_EQ(members, std::vector<std::string>{"PC2"});
    EXPECT_FALSE(view.FindMyGroup("#NONE", members));
    EXPECT_FALSE(view.FindMyGroup("#", members));
}

TEST_F(SendListsOverPersonalLists, TheQuickListTakesANameOnce)
{
    view.AddToQuickList("PC1");
    view.AddToQuickList("PC1");
    EXPECT_EQ(lists.quick.Entries(), std::vector<std::string>{"PC1"});
    EXPECT_EQ(registry.Names(test::Under("QuickList")), std::vector<std::string>{"PC1"});
}

} // namespace
} // namespace kivet
