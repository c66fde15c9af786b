#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "tests/core/store/store_test_support.h"

namespace kivet {
namespace {

struct TextField {
    const char* name;
    std::size_t offset;
    std::size_t width;
};

const TextField kTextFields[] = {
    {"receivedAt", offsetof(MessageRecord, receivedAt), sizeof(MessageRecord::receivedAt)},
    {"sender", offsetof(MessageRecord, sender), sizeof(MessageRecord::sender)},
    {"recipient", offsetof(MessageRecord, recipient), sizeof(MessageRecord::recipient)},
    {"text", offsetof(MessageRecord, text), sizeof(MessageRecord::text)},
    {"originName", offsetof(MessageRecord, originName), sizeof(MessageRecord::originName)},
};

const char* FieldAt(const MessageRecord& record, const TextField& field)
{
    return reinterpret_cast<const char*>(&record) + field.offset;
}

// Characters before the terminator, and whether every byte from the terminator on is zero.
std::size_t TerminatedLength(const char* field, std::size_t width, bool& zeroFilled)
{
    std::size_t length = 0;
    while (length < width && field[length] != '\0')
        ++length;
    zeroFilled = true;
    for (std::size_t i = length; i < width; ++i)
        if (field[i] != '\0') zeroFilled = false;
    return length;
}

MessageRecord StoredCopyOf(const MessageRecord& handed)
{
    MessageStore store;
    store.Append(handed);
    return *store.CurrentRecord();
}

TEST(MessageStoreFields, UnterminatedFieldsAreCutInsideTheirWidths)
{
    MessageRecord handed;
    std::memset(&handed, 'x', sizeof(handed));
    const MessageRecord stored = StoredCopyOf(handed);
    for (const TextField& field : kTextFields) {
        SCOPED_TRACE(field.name);
        bool zeroFilled = false;
        EXPECT_EQ(TerminatedLength(FieldAt(stored, field), field.width, zeroFilled), field.width - 1);
        EXPECT_TRUE(zeroFilled);
    }
    EXPECT_EQ(stored.unread, 1);
    EXPECT_EQ(stored.secure, 1);
}

TEST(MessageStoreFields, BytesBehindATerminatorAreZeroed)
{
    MessageRecord handed;
    std::memset(&handed, 'x', sizeof(handed));
    for (const TextField& field : kTextFields)
        std::memcpy(reinterpret_cast<char*>(&handed) + field.offset, "ab", 3);
    handed.secure = 0;
    const MessageRecord stored = StoredCopyOf(handed);
    for (const TextField& field : kTextFields) {
        SCOPED_TRACE(field.name);
        bool zeroFilled = false;
        EXPECT_EQ(TerminatedLength(FieldAt(stored, field), field.width, zeroFilled), 2u);
        EXPECT_EQ(std::string(FieldAt(stored, field)), "ab");
        EXPECT_TRUE(zeroFilled);
    }
    EXPECT_EQ(stored.secure, 0);
}

TEST(MessageStoreFields, TextsOf4999And5000Characters)
{
    const struct {
        std::size_t length;
        std::size_t expected;
    } cases[] = {{4998, 4998}, {4999, 4999}, {5000, 4999}, {12000, 4999}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string text(c.length, 'm');
        const MessageRecord stored = StoredCopyOf(TestRecord(text));
        EXPECT_EQ(FieldText(stored.text), text.substr(0, c.expected));
    }
}

struct BuildCase {
    const char* name;
    std::string receivedAt, sender, recipient, text, originName;
    std::size_t expected[5];
};

TEST(MessageStoreFields, BuilderCutsEachValueToItsField)
{
    const BuildCase cases[] = {
        {"each at its limit",
         std::string(49, 'd'),
         std::string(31, 's'),
         std::string(15, 'r'),
         std::string(4999, 't'),
         std::string(16, 'o'),
         {49, 31, 15, 4999, 16}},
        {"each one over",
         std::string(50, 'd'),
         std::string(32, 's'),
         std::string(16, 'r'),
         std::string(5000, 't'),
         std::string(17, 'o'),
         {49, 31, 15, 4999, 16}},
        {"empty", "", "", "", "", "", {0, 0, 0, 0, 0}},
    };
    for (const BuildCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordFields fields;
        fields.receivedAt = c.receivedAt;
        fields.sender = c.sender;
        fields.recipient = c.recipient;
        fields.text = c.text;
        fields.originName = c.originName;
        const MessageRecord record = BuildRecord(fields);
        for (std::size_t i = 0; i < 5; ++i) {
            SCOPED_TRACE(kTextFields[i].name);
            bool zeroFilled = false;
            EXPECT_EQ(TerminatedLength(FieldAt(record, kTextFields[i]), kTextFields[i].width, zeroFilled),
                      c.expected[i]);
            EXPECT_TRUE(zeroFilled);
        }
        EXPECT_EQ(record.unread, 1);
        EXPECT_EQ(record.secure, 0);
    }
}

TEST(MessageStoreFields, BuilderStopsAValueAtItsFirstNul)
{
    RecordFields fields;
    fields.text = std::string_view("abc\0def", 7);
    fields.secure = true;
    const MessageRecord record = BuildRecord(fields);
    bool zeroFilled = false;
    EXPECT_EQ(TerminatedLength(record.text, sizeof(record.text), zeroFilled), 3u);
    EXPECT_TRUE(zeroFilled);
    EXPECT_EQ(record.secure, 1);
}

} // namespace
} // namespace kivet
