// The local identity: adapters, the GUEST rule, the workgroup and chosen adapter, and the
// registration of the local names with its once-only adapter reset.
#include "messenger/browser/local_identity.h"

#include <gtest/gtest.h>

#include <thread>

#include "common/fixed_text.h"
#include "messenger/browser/reset_once_netbios.h"
#include "tests/core/browser/browser_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using test::FakeLan;
using test::FakeSystem;
using test::TestCodec;

class LocalIdentityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lan.adapters = {3, 5};
        lan.localAdapters[3] = test::FakeComputer{};          // answers, lists no workgroup
        lan.localAdapters[5] = test::Workstation("PC-LOCAL", "", "OFFICE", 9);
        ASSERT_TRUE(EnumerateAdapters(state, netbios));
    }
    FakeLan lan;
    ResetOnceNetBios netbios{lan};
    FakeSystem system;
    NetworkState state;
};

TEST_F(LocalIdentityTest, AdapterListAndFirstAdapterChosen)
{
    EXPECT_EQ(state.adapterList[0], 2);
    EXPECT_EQ(ListedAdapters(state), (std::vector<uint8_t>{3, 5}));
    EXPECT_EQ(state.adapter, 3);

    lan.adapters.assign(300, 7);
    ASSERT_TRUE(EnumerateAdapters(state, netbios));
    EXPECT_EQ(ListedAdapters(state).size(), 255u) << "the list holds a count byte and 255 numbers";

    lan.enumerateResult = kNrcSystem;
    EXPECT_FALSE(EnumerateAdapters(state, netbios));
}

TEST_F(LocalIdentityTest, NamesAndTheWorkgroupAdapter)
{
    FillLocalNames(state, netbios, system, TestCodec());
    EXPECT_EQ(FieldText(state.computerName), "PC-LOCAL");
    EXPECT_EQ(FieldText(state.userName), "JSMITH");
    EXPECT_EQ(FieldText(state.workgroupName), "OFFICE");
    EXPECT_EQ(state.adapter, 5) << "the first adapter whose status lists the workgroup";
    EXPECT_EQ(lan.ResetsOf(3), 1);
    EXPECT_EQ(lan.ResetsOf(5), 1);
}

TEST_F(LocalIdentityTest, GuestOrNoLogonNameBecomesTheComputerName)
{
    for (const char* logon : {"guest", "GUEST", ""}) {
        system.logon = logon;
        FillLocalNames(state, netbios, system, TestCodec());
        EXPECT_EQ(FieldText(state.userName), "PC-LOCAL") << "logon name '" << logon << "'";
    }
    system.logon = "guests";
    FillLocalNames(state, netbios, system, TestCodec());
    EXPECT_EQ(FieldText(state.userName), "GUESTS");
}

TEST_F(LocalIdentityTest, NoWorkgroupAnywhereLeavesItEmpty)
{
    lan.localAdapters[5] = test::FakeComputer{};
    CopyCut(state.workgroupName, "STALE");
    FillLocalNames(state, netbios, system, TestCodec());
    EXPECT_EQ(FieldText(state.workgroupName), "");
    EXPECT_EQ(state.adapter, 3);
}

TEST_F(LocalIdentityTest, WorkgroupComesFromTheOemCodePage)
{
    lan.localAdapters[5] = test::Workstation("PC-LOCAL", "", std::string("B") + test::kOemLowerAUml + "RO", 9);
    system.computer = "pc-local";
    FillLocalNames(state, netbios, system, TestCodec());
    EXPECT_EQ(FieldText(state.workgroupName), std::string("B") + test::kAnsiUpperAUml + "RO");
    EXPECT_EQ(FieldText(state.computerName), "PC-LOCAL");
}

TEST_F(LocalIdentityTest, LongSystemNamesAreCut)
{
    system.computer = "ABCDEFGHIJKLMNOPQRS";
    system.logon = std::string(300, 'u');
    FillLocalNames(state, netbios, system, TestCodec());
    EXPECT_EQ(FieldText(state.computerName), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(FieldText(state.userName), std::string(15, 'U'));
}

TEST_F(LocalIdentityTest, RegistrationOnTheChosenAdapter)
{
    FillLocalNames(state, netbios, system, TestCodec());
    RegisterLocalNames(state, netbios, TestCodec());
    EXPECT_TRUE(lan.Holds(5, "OFFICE", 0x1E));
    EXPECT_TRUE(lan.Holds(5, "PC-LOCAL", 0x03));
    EXPECT_TRUE(lan.Holds(5, "JSMITH", 0x03));
    EXPECT_FALSE(lan.Holds(3, "JSMITH", 0x03));
    ASSERT_EQ(lan.CallsOf("addgroup").size(), 1u);
    EXPECT_EQ(lan.CallsOf("addgroup")[0].text, "OFFICE");
}

TEST_F(LocalIdentityTest, UserNameInUseElsewhereBecomesTheComputerName)
{
    lan.refusedNames["JSMITH"] = kNrcNameInUseElsewhere;
    FillLocalNames(state, netbios, system, TestCodec());
    RegisterLocalNames(state, netbios, TestCodec());
    EXPECT_EQ(FieldText(state.userName), "PC-LOCAL");
}

TEST_F(LocalIdentityTest, RegisteringAgainKeepsTheUserName)
{
    FillLocalNames(state, netbios, system, TestCodec());
    RegisterLocalNames(state, netbios, TestCodec());
    RegisterLocalNames(state, netbios, TestCodec()); // the names are already in the local table
    EXPECT_EQ(FieldText(state.userName), "JSMITH");
}

TEST_F(LocalIdentityTest, LaterResetsKeepTheRegisteredNames)
{
    FillLocalNames(state, netbios, system, TestCodec());
    RegisterLocalNames(state, netbios, TestCodec());
    FillLocalNames(state, netbios, system, TestCodec()); // a rescan resets the adapters again
    EXPECT_TRUE(lan.Holds(5, "JSMITH", 0x03));
    EXPECT_EQ(lan.ResetsOf(5), 1);

    FakeLan direct;
    direct.adapters = {5};
    direct.localAdapters[5] = lan.localAdapters[5];
    NetworkState plain;
    EnumerateAdapters(plain, direct);
    FillLocalNames(plain, direct, system, TestCodec());
    RegisterLocalNames(plain, direct, TestCodec());
    FillLocalNames(plain, direct, system, TestCodec());
    EXPECT_FALSE(direct.Holds(5, "JSMITH", 0x03)) << "without the wrapper a reset wipes the names";
}

TEST(ResetOnceConcurrency, ManyThreadsResetEachAdapterOnce)
{
    FakeLan lan;
    ResetOnceNetBios netbios(lan);
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([&] {
            for (int lana = 0; lana < 4; ++lana)
                EXPECT_EQ(netbios.Reset(static_cast<uint8_t>(lana)), kNrcGoodReturn);
        });
    for (std::thread& thread : threads)
        thread.join();
    for (uint8_t lana = 0; lana < 4; ++lana)
        EXPECT_EQ(lan.ResetsOf(lana), 1);
}

} // namespace
} // namespace kivet
