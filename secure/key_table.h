// A table of agreed keys filed under peer computer names, each fetched exactly once.
// It is the hand-over point between the thread that agrees a key and the thread that needs it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>

namespace kivet::secure {

constexpr std::size_t kKeyTableEntries = 100;
constexpr std::size_t kKeyNameSize = 20; // at most 19 characters and the terminator
constexpr std::size_t kTableKeySize = 16;

// Converts length bytes of text to upper case in place. The Windows build passes the system's
// ANSI conversion so that letters of the user's code page fold as well.
using UpperCaseFunction = void (*)(char* text, std::size_t length);

// Upper-cases the ASCII letters a-z and leaves every other byte alone.
void AsciiUpperCase(char* text, std::size_t length);

struct KeyEntry {
    uint8_t used;            // 1 while the entry holds a key
    char name[kKeyNameSize]; // upper-cased, zero-filled
    uint8_t key[kTableKeySize];
};
static_assert(sizeof(KeyEntry) == 37, "entry layout: used, name, key without padding");
static_assert(offsetof(KeyEntry, name) == 1 && offsetof(KeyEntry, key) == 21, "entry offsets");

class KeyTable {
public:
    enum class AddResult {
        Stored,           // a free entry took the key
        Replaced,         // an entry of that name existed; its key was overwritten
        StoredOverOldest, // the table was full: the key filed longest ago gave way to this one
        Dropped,          // nothing stored: a pointer was null
    };

    explicit KeyTable(UpperCaseFunction upperCase = AsciiUpperCase);
    KeyTable(const KeyTable&) = delete;
    KeyTable& operator=(const KeyTable&) = delete;

    // Files key under name (cut to 19 characters, compared without regard to letter case).
    // A full table makes room by dropping the key that was filed longest ago: every key is
    // fetched within seconds of being filed, so the oldest entry is the leftover of an exchange
    // that was abandoned, and a run of made-up names can never lock real keys out of the table.
    AddResult Add(const char* name, const uint8_t key[kTableKeySize]);

    // Copies the key filed under name into key and frees its entry. Returns false, writing nothing,
    // when no entry has that name or a pointer is null.
    bool Get(const char* name, uint8_t key[kTableKeySize]);

    // A copy of the entry at index (a free, zero entry for an index past the end), for inspection.
    KeyEntry EntryAt(std::size_t index) const;

private:
    struct Name {
        char text[kKeyNameSize];
    };

    Name Normalise(const char* name) const;
    int FindUsed(const Name& name) const;
    int FindFree() const;
    int FindOldest() const;
    void File(int index, const Name& name, const uint8_t key[kTableKeySize]);

    UpperCaseFunction upperCase_;
    mutable std::mutex lock_;
    KeyEntry entries_[kKeyTableEntries] = {};
    // When each used entry was filed (or its key last replaced), counted in adds.
    uint64_t filedAt_[kKeyTableEntries] = {};
    uint64_t adds_ = 0;
};

} // namespace kivet::secure
