// The small decisions: platforms, name classes, the scan schedule, text placeholders and the
// sender look-up behind Details and Browse computer.
#include <gtest/gtest.h>

#include "common/fixed_text.h"
#include "messenger/browser/browser_platform.h"
#include "messenger/browser/details_values.h"
#include "messenger/browser/name_checks.h"
#include "messenger/browser/scan_schedule.h"
#include "messenger/browser/sender_lookup.h"
#include "messenger/browser/text_format.h"

namespace kivet {
namespace {

TEST(BrowserPlatformTable, EveryRowOfTheVersionTable)
{
    struct Row {
        OsVersion version;
        bool registers, rescans, retrieves;
    } rows[] = {
        {{true, kPlatformWindows9x, 4, 0}, false, false, true},   // 95
        {{true, kPlatformWindows9x, 4, 10}, false, false, true},  // 98
        {{true, kPlatformWindows9x, 4, 90}, false, false, true},  // Me
        {{true, kPlatformWin32s, 3, 11}, false, false, true},     // Win32s
        {{true, kPlatformWindowsNT, 4, 0}, true, false, true},    // NT 4.0
        {{true, kPlatformWindowsNT, 5, 0}, true, false, true},    // 2000
        {{true, kPlatformWindowsNT, 5, 1}, true, true, true},     // XP
        {{true, kPlatformWindowsNT, 5, 2}, true, true, true},     // Server 2003: family code 0
        {{true, kPlatformWindowsNT, 6, 2}, true, true, true},     // what Windows 10 reports unmanifested
        {{true, kPlatformWindowsNT, 10, 0}, true, true, true},    // Windows 10
        {{true, 3, 5, 1}, false, false, false},                   // unknown platform
        {{false, kPlatformWindowsNT, 5, 1}, false, false, false}, // the query failed
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.version.platform << " " << r.version.major << "." << r.version.minor);
        const BrowserPlatform p = BrowserPlatformFor(r.version);
        EXPECT_EQ(p.registersNames, r.registers);
        EXPECT_EQ(p.rescansAdapters, r.rescans);
        EXPECT_EQ(p.retrievesNames, r.retrieves);
    }
    EXPECT_EQ(OsFamilyFromVersion({true, kPlatformWindowsNT, 10, 0}), kOsOther) << "the code table itself stays";
}

TEST(NameClasses, AddressDomainLocal)
{
    EXPECT_TRUE(IsAddress("10.0.0.1"));
    EXPECT_TRUE(IsAddress("a.b.c.d"));
    EXPECT_FALSE(IsAddress("10.0.1"));
    EXPECT_FALSE(IsAddress("10.0.0.1."));
    EXPECT_FALSE(IsAddress(""));

    const std::vector<std::string> domains = {"OFFICE", "LAB"};
    EXPECT_TRUE(IsDomain("lab", domains, "HOME"));
    EXPECT_TRUE(IsDomain("home", domains, "HOME"));
    EXPECT_FALSE(IsDomain("LABS", domains, "HOME"));
    EXPECT_FALSE(IsDomain("", domains, "")) << "an empty workgroup matches nothing";

    EXPECT_TRUE(IsLocal("pc1", "PC1", "JSMITH"));
    EXPECT_TRUE(IsLocal("JSmith", "PC1", "JSMITH"));
    EXPECT_FALSE(IsLocal("", "", ""));

    EXPECT_EQ(ComputerNameOfHost("pc7.corp.example"), "PC7");
    EXPECT_EQ(ComputerNameOfHost("averyveryverylonghostname"), "AVERYVERYVERYLO");
    EXPECT_EQ(ComputerNameOfHost(std::string("ab\0cd", 5)), "AB");
    EXPECT_EQ(ComputerNameOfHost(""), "");
}

TEST(ScanScheduleTicks, ScansEveryDelayPlusTwoMinutes)
{
    ScanSchedule schedule;
    std::vector<int> startedAt;
    for (int minute = 1; minute <= 40; ++minute)
        if (schedule.OnMinute(15, false)) startedAt.push_back(minute);
    EXPECT_EQ(startedAt, (std::vector<int>{17, 34}));
}

TEST(ScanScheduleTicks, RunningScanPostponesToTheNextTick)
{
    ScanSchedule schedule;
    for (int minute = 1; minute <= 16; ++minute)
        ASSERT_FALSE(schedule.OnMinute(15, false));
    EXPECT_FALSE(schedule.OnMinute(15, true));
    EXPECT_EQ(schedule.Minutes(), 17);
    EXPECT_TRUE(schedule.OnMinute(15, false));
    EXPECT_EQ(schedule.Minutes(), 0);
}

TEST(ScanScheduleTicks, NeverEndingScanHoldsTheCounterAtItsTop)
{
    ScanSchedule schedule;
    for (int minute = 0; minute < 70000; ++minute)
        schedule.OnMinute(120, true);
    EXPECT_EQ(schedule.Minutes(), UINT16_MAX);
    EXPECT_TRUE(schedule.OnMinute(120, false));
}

TEST(ScanScheduleTicks, StartUpPlan)
{
    EXPECT_TRUE(PlanStartupScan(true).startScanAndTimer);
    EXPECT_FALSE(PlanStartupScan(true).retrieveDomainsOnce);
    EXPECT_FALSE(PlanStartupScan(false).startScanAndTimer);
    EXPECT_TRUE(PlanStartupScan(false).retrieveDomainsOnce);
}

TEST(Placeholders, FilledInOrderAndNeverPastTheArguments)
{
    EXPECT_EQ(FillPlaceholders("%s: %d", {"Computers", "25"}), "Computers: 25");
    EXPECT_EQ(FillPlaceholders("processing %s...", {"Pc1"}), "processing Pc1...");
    EXPECT_EQ(FillPlaceholders("%s %s %s %d", {"one"}), "one   ") << "a language pack asking for more";
    EXPECT_EQ(FillPlaceholders("100%% %x %", {}), "100% %x %");
    EXPECT_EQ(FillPlaceholders("%s", {"%s%d"}), "%s%d") << "arguments are not formats";
}

// A directory that knows one resolvable name and one scanned user.
class SmallDirectory : public NetworkDirectory {
public:
    std::string LocalUser() override { return ""; }
    std::string LocalComputer() override { return ""; }
    std::string LocalWorkgroup() override { return ""; }
    std::vector<std::string> KnownDomains() override { return {}; }
    std::vector<std::string> KnownComputers() override { return {}; }
    std::size_t RetrieveComputers() override { return 0; }
    bool ResolveName(std::string_view name, ResolveService service, ResolutionRecord& record) override
    {
        asked.emplace_back(name);
        if (name != "PC1" || service != ResolveService::Messenger) return false;
        CopyCut(record.computerName, "PC1");
        return true;
    }
    bool FindScanned(std::string_view name, std::string& computer) override
    {
        computer = name == "MJONES" ? "PC2" : "";
        return !computer.empty();
    }
    bool AdapterStatus(std::string_view computer, ResolutionRecord& record) override
    {
        if (computer != "PC2" || !pc2Answers) return false;
        CopyCut(record.computerName, "PC2");
        return true;
    }
    std::vector<std::string> asked;
    bool pc2Answers = true;
};

TEST(SenderLookUp, ResolvedOrScannedOrNothing)
{
    SmallDirectory directory;
    ResolutionRecord record;
    ASSERT_TRUE(LookUpSender(directory, "PC1 (via relay)", record));
    EXPECT_EQ(FieldText(record.computerName), "PC1");
    EXPECT_EQ(directory.asked.back(), "PC1") << "cut at the first blank";

    ASSERT_TRUE(LookUpSender(directory, "MJONES", record));
    EXPECT_EQ(FieldText(record.computerName), "PC2");
    directory.pc2Answers = false;
    EXPECT_FALSE(LookUpSender(directory, "MJONES", record));
    EXPECT_FALSE(LookUpSender(directory, " PC1", record)) << "nothing before the blank";

    LookUpSender(directory, std::string(40, 'Z'), record);
    EXPECT_EQ(directory.asked.back(), std::string(15, 'Z'));
}

TEST(SenderLookUp, BrowsePathOnlyForPlainComputerNames)
{
    EXPECT_EQ(BrowsePathFor("PC1"), std::optional<std::string>("\\\\PC1"));
    EXPECT_EQ(BrowsePathFor("PC-7_A.B"), std::optional<std::string>("\\\\PC-7_A.B"));
    for (const char* hostile : {"", "PC1\\C$", "PC1\\share\\run.exe", "..", ".", "C:", "PC1/x", "A*", "A?", "A\"",
                                "A<", "A>", "A|", "%WINDIR%", "PC 1", "A\tB", "ABCDEFGHIJKLMNOP"}) {
        EXPECT_EQ(BrowsePathFor(hostile), std::nullopt) << hostile;
    }
    EXPECT_EQ(BrowsePathFor(std::string("PC\0X", 4)), std::nullopt);
}

TEST(DetailsWindowValues, NormalisedNamesAndNotAvailable)
{
    ResolutionRecord record;
    CopyCut(record.computerName, "PC-07");
    CopyCut(record.workgroupName, "OFFICE");
    CopyCut(record.ipAddress, "192.168.1.7");
    EXPECT_EQ(DetailsValues(record, AsciiCodec()),
              (std::array<std::string, 5>{"Pc-07", "N/A", "OFFICE", "N/A", "192.168.1.7"}));
    CopyCut(record.userName, "jSMITH");
    CopyCut(record.macAddress, "000c29abcd07");
    EXPECT_EQ(DetailsValues(record, AsciiCodec())[1], "Jsmith");
    EXPECT_EQ(DetailsValues(record, AsciiCodec())[3], "000c29abcd07");
    EXPECT_EQ(DetailsValues(ResolutionRecord{}, AsciiCodec()),
              (std::array<std::string, 5>{"N/A", "N/A", "N/A", "N/A", "N/A"}));
}

} // namespace
} // namespace kivet
