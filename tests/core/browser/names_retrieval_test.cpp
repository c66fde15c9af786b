// Retrieving the domain and computer tables from the network provider, hostile providers included.
#include "messenger/browser/names_retrieval.h"

#include <gtest/gtest.h>

#include "common/fixed_text.h"
#include "tests/core/browser/browser_fakes.h"
#include "tests/fakes/table_codec.h"

namespace kivet {
namespace {

using test::FakeProvider;
using test::RecordingLog;
using test::TestCodec;

std::vector<std::string> Numbered(const std::string& prefix, int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(prefix + std::to_string(i));
    return names;
}

TEST(NamesRetrieval, DomainsAndComputersInProviderOrder)
{
    FakeProvider provider;
    provider.network = {{"office", {"\\\\pc1", "\\\\pc2"}}, {"LAB", {"\\\\lab-7"}}};
    RecordingLog log;
    const ScanTables tables = RetrieveNames(provider, TestCodec(), log, true);
    ASSERT_EQ(tables.domains.size(), 2u);
    EXPECT_EQ(FieldText(tables.domains[0].name), "OFFICE");
    ASSERT_EQ(tables.computers.size(), 3u);
    EXPECT_EQ(FieldText(tables.computers[0].name), "PC1");
    EXPECT_EQ(FieldText(tables.computers[2].name), "LAB-7");
    EXPECT_EQ(tables.computers[2].domainIndex, 1);
    EXPECT_EQ(tables.computers[2].state, kScanOffline);
    EXPECT_TRUE(tables.users.empty());
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"Retrieving computer names on the network...",
                                                       "Retrieving computer names on the network complete."}));
}

TEST(NamesRetrieval, WithoutComputersOnlyTheDomains)
{
    FakeProvider provider;
    provider.network = {{"OFFICE", {"\\\\PC1"}}};
    RecordingLog log;
    const ScanTables tables = RetrieveNames(provider, TestCodec(), log, false);
    EXPECT_EQ(tables.domains.size(), 1u);
    EXPECT_TRUE(tables.computers.empty());
    EXPECT_TRUE(provider.askedDomains.empty());
}

TEST(NamesRetrieval, HostileProviderIsBoundedByTheTables)
{
    FakeProvider provider;
    for (const std::string& domain : Numbered("D", 60))
        provider.network.push_back({domain, {}});
    provider.network[0].second = Numbered("\\\\PC", 20000);
    provider.network[1].second = Numbered("\\\\LATE", 5);
    RecordingLog log;
    const ScanTables tables = RetrieveNames(provider, TestCodec(), log, true);
    EXPECT_EQ(tables.domains.size(), kMaxDomains);
    EXPECT_EQ(tables.computers.size(), kMaxComputers);
    EXPECT_EQ(provider.askedDomains.size(), 1u) << "a full computer table asks no further domain";
}

TEST(NamesRetrieval, HostileNamesAreCutOrPassedOver)
{
    FakeProvider provider;
    const std::string longDomain = "AVERYLONGDOMAINNAMEINDEED";
    provider.network = {{longDomain, {"\\\\" + std::string(40, 'x'), "\\\\", "", std::string("AB\0CD", 5), "\\\\\\\\pc"}},
                        {"", {"\\\\LOST"}}};
    RecordingLog log;
    const ScanTables tables = RetrieveNames(provider, TestCodec(), log, true);
    ASSERT_EQ(tables.domains.size(), 1u) << "an empty domain name is passed over";
    EXPECT_EQ(FieldText(tables.domains[0].name), "AVERYLONGDOMAIN");
    EXPECT_EQ(provider.askedDomains, (std::vector<std::string>{longDomain})) << "asked by the name it listed";
    ASSERT_EQ(tables.computers.size(), 3u);
    EXPECT_EQ(FieldText(tables.computers[0].name), std::string(15, 'X'));
    EXPECT_EQ(FieldText(tables.computers[1].name), "AB");
    EXPECT_EQ(FieldText(tables.computers[2].name), "PC");
}

TEST(NamesRetrieval, ProviderThatCannotEnumerateLeavesTheTablesEmpty)
{
    FakeProvider provider;
    provider.network = {{"OFFICE", {"\\\\PC1"}}};
    provider.works = false;
    RecordingLog log;
    const ScanTables tables = RetrieveNames(provider, TestCodec(), log, true);
    EXPECT_TRUE(tables.domains.empty());
    EXPECT_TRUE(tables.computers.empty());
}

TEST(NamesRetrieval, NamesAreUpperCasedInTheAnsiCodePage)
{
    FakeProvider provider;
    provider.network = {{std::string("b") + test::kAnsiLowerAUml + "ro", {std::string("\\\\caf") + test::kAnsiLowerEAcute}}};
    RecordingLog log;
    const ScanTables tables = RetrieveNames(provider, TestCodec(), log, true);
    EXPECT_EQ(FieldText(tables.domains[0].name), std::string("B") + test::kAnsiUpperAUml + "RO");
    EXPECT_EQ(FieldText(tables.computers[0].name), std::string("CAF") + test::kAnsiUpperEAcute);
}

} // namespace
} // namespace kivet
