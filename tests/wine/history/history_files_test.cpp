// The history on the real file and registry functions: the bytes in the file, the 16-byte
// `LastHistoryTime`, a reader holding the file open, damaged files, clearing and the fallback page.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "messenger/history/win32/history_log.h"
#include "messenger/history/win32/win32_history_files.h"
#include "messenger/runtime/registry_settings.h"
#include "messenger/runtime/win32/registry_store_win32.h"
#include "tests/wine/driver/kivet_driver.h"

namespace kivet {
namespace {

const std::string kClosing(kHistoryClosingBlock);

std::string FreshFolder(const char* name)
{
    std::string folder = wine::MakeProgramFolder(name);
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

bool EndsWithClosingBlock(const std::string& file)
{
    return file.size() >= 41 && file.compare(file.size() - 41, 41, kClosing) == 0;
}

class HistoryFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = FreshFolder("history_files");
        DeleteFileA((folder + "History\\Jsmith.html").c_str()); // left by an earlier case
        registry.DeleteValue(RegRoot::CurrentUser, kProgramKey, "LastHistoryTime");
    }
    std::string folder;
    Win32Registry registry;
    Win32HistoryFiles files;
    LocalTime now{2024, 3, 5, 9, 5, 7};
    HistoryOwner Owner() const { return {folder, "Jsmith", "Pc-07"}; }
};

TEST_F(HistoryFilesTest, AppendsWriteTheDocumentByteForByte)
{
    HistoryWriter writer(files, registry, [this] { return now; }, Owner(), "Jsmith");
    ASSERT_TRUE(writer.AppendHistory({"Alice", "Jsmith", "Hi [:)]\r\n<b>", true}));
    now.day = 6;
    ASSERT_TRUE(writer.AppendHistory({"", "Bob", "Bye", false}));
    std::string expected = HistoryHeadBlock(Owner(), "5/3/2024") +
                           HistoryEntryBlock(folder, {"Alice", "Jsmith", "Hi [:)]\r\n<b>", true}, "9:5:7") +
                           HistoryDateBlock("6/3/2024") + HistoryEntryBlock(folder, {"", "Bob", "Bye", false}, "9:5:7") +
                           kClosing;
    EXPECT_EQ(wine::ReadTextFile(folder + "History\\Jsmith.html"), expected);
}

TEST_F(HistoryFilesTest, LastHistoryTimeIsASixteenByteString)
{
    HistoryWriter writer(files, registry, [this] { return now; }, Owner(), "Jsmith");
    ASSERT_TRUE(writer.AppendHistory({"A", "B", "x", true}));
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kProgramKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    char data[64] = {};
    DWORD type = 0, size = sizeof data;
    ASSERT_EQ(RegQueryValueExA(key, "LastHistoryTime", nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 16u);
    EXPECT_EQ(std::memcmp(data, "5/3/2024\0\0\0\0\0\0\0\0", 16), 0);
    EXPECT_EQ(ReadLastHistoryTime(registry), "5/3/2024");
}

TEST_F(HistoryFilesTest, AppendsWhileAReaderHoldsTheFileOpen)
{
    HistoryWriter writer(files, registry, [this] { return now; }, Owner(), "Jsmith");
    ASSERT_TRUE(writer.AppendHistory({"A", "B", "first", true}));
    // The viewer opens the file for reading and shares writing.
    HANDLE reader = CreateFileA((folder + "History\\Jsmith.html").c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(writer.AppendHistory({"A", "B", "second", true}));
    CloseHandle(reader);
    std::string file = wine::ReadTextFile(folder + "History\\Jsmith.html");
    EXPECT_NE(file.find("second"), std::string::npos);
    EXPECT_TRUE(EndsWithClosingBlock(file));
}

TEST_F(HistoryFilesTest, BlanksAfterTheEndAreCutAwayOnDisk)
{
    HistoryWriter writer(files, registry, [this] { return now; }, Owner(), "Jsmith");
    ASSERT_TRUE(writer.AppendHistory({"A", "B", "first", true}));
    std::string path = folder + "History\\Jsmith.html";
    wine::WriteTextFile(path, wine::ReadTextFile(path) + std::string(3000, '\n'));
    ASSERT_TRUE(writer.AppendHistory({"A", "B", "x", true}));
    std::string file = wine::ReadTextFile(path);
    EXPECT_TRUE(EndsWithClosingBlock(file));
    EXPECT_EQ(file.find(kClosing), file.size() - 41);
}

TEST_F(HistoryFilesTest, HistoryLogFollowsTheSettings)
{
    Settings settings;
    HistoryLog log(folder, "JSMITH", registry, settings);
    EXPECT_EQ(log.FilePath(), folder + "History\\JSMITH.html");
    EXPECT_FALSE(log.Exists());
    EXPECT_EQ(log.ViewPath(), folder + "History\\empty.html");

    settings.LogHistory = 0;
    log.RecordOutgoing("Bob", "not logged");
    EXPECT_FALSE(log.Exists());

    settings.LogHistory = 1;
    MessageRecord record{};
    std::strcpy(record.sender, "Alice");
    std::strcpy(record.recipient, "Jsmith");
    std::strcpy(record.text, "hello");
    log.RecordIncoming(record);
    log.RecordOutgoing("Bob", "answer");
    ASSERT_TRUE(log.Exists());
    EXPECT_EQ(log.ViewPath(), log.FilePath());
    std::string file = wine::ReadTextFile(log.FilePath());
    EXPECT_NE(file.find("<b>Jsmith</b>"), std::string::npos) << "user in display form";
    EXPECT_NE(file.find(">from Alice to Jsmith</div>"), std::string::npos);
    EXPECT_NE(file.find(">to Bob</div>"), std::string::npos);
    EXPECT_LT(file.find("hello"), file.find("answer"));
    EXPECT_TRUE(EndsWithClosingBlock(file));

    settings.OverwriteAtStartup = 0;
    log.ClearIfOverwriteAtStartup();
    EXPECT_TRUE(log.Exists());
    settings.OverwriteAtStartup = 1;
    log.ClearIfOverwriteAtStartup();
    EXPECT_FALSE(log.Exists());
    log.RecordOutgoing("Bob", "again");
    EXPECT_EQ(wine::ReadTextFile(log.FilePath()).find("<html>"), 0u);
    log.Clear();
    EXPECT_FALSE(log.Exists());
    log.Clear();
}

TEST_F(HistoryFilesTest, FileThatCannotBeOpenedIsNeverEmptied)
{
    HistoryWriter writer(files, registry, [this] { return now; }, Owner(), "Jsmith");
    ASSERT_TRUE(writer.AppendHistory({"A", "B", "kept", true}));
    std::string path = folder + "History\\Jsmith.html";
    std::string before = wine::ReadTextFile(path);
    // Another program holds the file without sharing writing.
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(writer.AppendHistory({"A", "B", "lost", true}));
    CloseHandle(holder);
    EXPECT_EQ(wine::ReadTextFile(path), before);
}

} // namespace
} // namespace kivet
