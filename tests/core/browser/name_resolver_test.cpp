// Name resolution: the find-name with its attempts, the address case and the adapter status
// that fills the resolution record.
#include "messenger/browser/name_resolver.h"

#include <gtest/gtest.h>

#include "common/fixed_text.h"
#include "tests/core/browser/browser_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using test::FakeLan;

class NameResolverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::FakeComputer pc7 = test::Workstation("PC7", "JSMITH", "OFFICE", 7);
        pc7.names.push_back({"MJONES", 0x03, test::kUniqueRegistered});
        pc7.names.push_back({"OFFICE", 0x1E, test::kGroupRegistered});
        pc7.names.push_back({"PC7", 0xB0, test::kUniqueRegistered});
        lan.AddComputer("PC7", pc7);
        lan.AddComputer("192.168.1.7", pc7); // asked by its address
        hosts.names["192.168.1.7"] = "pc7.corp.example";
        hosts.addresses["PC7"] = "192.168.1.7";
    }

    bool Resolve(const std::string& name, ResolveService service = ResolveService::Messenger)
    {
        record = ResolutionRecord{};
        return resolver.ResolveName(2, name, service, record);
    }

    FakeLan lan;
    test::FakeHosts hosts;
    test::RecordingLog log;
    NameResolver resolver{lan, hosts, test::TestCodec(), log};
    ResolutionRecord record;
};

TEST_F(NameResolverTest, ComputerNameFillsTheWholeRecord)
{
    ASSERT_TRUE(Resolve("pc7"));
    EXPECT_EQ(FieldText(record.computerName), "PC7");
    EXPECT_EQ(FieldText(record.userName), "JSMITH");
    EXPECT_EQ(FieldText(record.workgroupName), "OFFICE");
    EXPECT_EQ(FieldText(record.macAddress), "000c29abcd07");
    EXPECT_EQ(FieldText(record.ipAddress), "192.168.1.7");
    const auto finds = lan.CallsOf("find");
    ASSERT_EQ(finds.size(), 1u);
    EXPECT_EQ(finds[0].lana, 2);
    EXPECT_EQ(log.Entries(),
              (std::vector<std::string>{"Query name on the network...", "Query name on the network complete."}));
}

TEST_F(NameResolverTest, UserNameFindsItsComputerAndStaysTheUser)
{
    ASSERT_TRUE(Resolve("mjones"));
    EXPECT_EQ(FieldText(record.computerName), "PC7");
    EXPECT_EQ(FieldText(record.userName), "MJONES") << "the user asked for, not the first one logged on";
}

TEST_F(NameResolverTest, EachServiceAsksItsSuffix)
{
    struct Case {
        ResolveService service;
        const char* name;
        uint8_t suffix;
    } cases[] = {{ResolveService::Messenger, "PC7", 0x03},
                 {ResolveService::SecondMessenger, "PC7", 0xB0},
                 {ResolveService::Workgroup, "OFFICE", 0x1E}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lan.findNameFailures = 0;
        const std::size_t before = lan.CallsOf("find").size();
        Resolve(c.name, c.service);
        const auto finds = lan.CallsOf("find");
        ASSERT_EQ(finds.size(), before + 1);
        EXPECT_EQ(finds.back().suffix, c.suffix);
    }
    // A workgroup name leads to a computer that holds it.
    ASSERT_TRUE(Resolve("OFFICE", ResolveService::Workgroup));
    EXPECT_EQ(FieldText(record.computerName), "PC7");
    EXPECT_EQ(FieldText(record.userName), "JSMITH");
}

TEST_F(NameResolverTest, ThreeFindNameAttempts)
{
    lan.findNameFailures = 2;
    EXPECT_TRUE(Resolve("PC7"));
    EXPECT_EQ(lan.CallsOf("find").size(), 3u);

    lan.findNameFailures = 3;
    EXPECT_FALSE(Resolve("PC7"));
    EXPECT_EQ(lan.CallsOf("find").size(), 6u);
    EXPECT_TRUE(lan.CallsOf("astat").size() == 1u) << "no adapter status without an answer";
    EXPECT_EQ(FieldText(record.computerName), "") << "the record is left alone";

    EXPECT_FALSE(Resolve("NOBODY"));
    EXPECT_EQ(lan.CallsOf("find").size(), 9u);
}

TEST_F(NameResolverTest, AddressIsTurnedIntoItsHostName)
{
    ASSERT_TRUE(Resolve("192.168.1.7"));
    ASSERT_FALSE(lan.CallsOf("find").empty());
    EXPECT_EQ(lan.CallsOf("find")[0].text, "PC7");
    EXPECT_EQ(FieldText(record.computerName), "PC7");

    EXPECT_FALSE(Resolve("10.1.1.1")) << "an address without a host name is asked as it stands";
    EXPECT_EQ(lan.CallsOf("find").back().text, "10.1.1.1");
}

TEST_F(NameResolverTest, WithoutReverseLookupTheComputerIsAskedByAddress)
{
    hosts.names.clear();
    ASSERT_TRUE(Resolve("JSMITH"));
    EXPECT_EQ(lan.CallsOf("astat").back().text, "192.168.1.7");
    EXPECT_EQ(FieldText(record.computerName), "PC7") << "the name it answers to";
    EXPECT_EQ(FieldText(record.ipAddress), "192.168.1.7");
}

TEST_F(NameResolverTest, ComputerThatDoesNotAnswerIsNotFound)
{
    test::FakeComputer silent = test::Workstation("GHOST", "", "OFFICE", 9);
    lan.AddComputer("HIDDEN", silent); // answers find-name, but not by the name its host has
    hosts.names["192.168.1.9"] = "ghost";
    EXPECT_FALSE(Resolve("GHOST"));
}

TEST_F(NameResolverTest, HostileHostNamesAreCut)
{
    hosts.names["192.168.1.7"] = std::string("PC7") + std::string(30, 'Z');
    lan.AddComputer("PC7ZZZZZZZZZZZZ", test::Workstation("PC7", "JSMITH", "OFFICE", 7));
    ASSERT_TRUE(Resolve("PC7"));
    EXPECT_EQ(FieldText(record.computerName), "PC7ZZZZZZZZZZZZ");
}

TEST_F(NameResolverTest, AdapterStatusOfAComputer)
{
    ASSERT_TRUE(resolver.AdapterStatus(2, "pc7", record));
    EXPECT_EQ(FieldText(record.computerName), "PC7");
    EXPECT_EQ(FieldText(record.userName), "JSMITH");
    EXPECT_EQ(FieldText(record.ipAddress), "192.168.1.7");
    EXPECT_TRUE(lan.CallsOf("find").empty());
    EXPECT_FALSE(resolver.AdapterStatus(2, "NOBODY", record));
    EXPECT_FALSE(resolver.AdapterStatus(2, "", record));
}

} // namespace
} // namespace kivet
