#include "secure/key_table.h"

#include <cstring>

namespace kivet::secure {

void AsciiUpperCase(char* text, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        if (text[i] >= 'a' && text[i] <= 'z') text[i] = static_cast<char>(text[i] - 'a' + 'A');
}

KeyTable::KeyTable(UpperCaseFunction upperCase) : upperCase_(upperCase ? upperCase : AsciiUpperCase) {}

// Copies at most 19 characters into a zero-filled buffer (never reading past the caller's
// terminator) and upper-cases what was copied. A null name is never passed here.
KeyTable::Name KeyTable::Normalise(const char* name) const
{
    Name normal = {};
    std::size_t length = 0;
    while (length < kKeyNameSize - 1 && name[length] != '\0') {
        normal.text[length] = name[length];
        ++length;
    }
    upperCase_(normal.text, length);
    return normal;
}

// Used entries are searched from the last to the first.
int KeyTable::FindUsed(const Name& name) const
{
    for (int i = static_cast<int>(kKeyTableEntries) - 1; i >= 0; --i)
        if (entries_[i].used && std::memcmp(entries_[i].name, name.text, kKeyNameSize) == 0) return i;
    return -1;
}

// Free entries are taken from the first up, so a freed entry is reused before later ones.
int KeyTable::FindFree() const
{
    for (std::size_t i = 0; i < kKeyTableEntries; ++i)
        if (!entries_[i].used) return static_cast<int>(i);
    return -1;
}

// The used entry filed longest ago; only asked when every entry is used.
int KeyTable::FindOldest() const
{
    int oldest = 0;
    for (std::size_t i = 1; i < kKeyTableEntries; ++i)
        if (filedAt_[i] < filedAt_[oldest]) oldest = static_cast<int>(i);
    return oldest;
}

void KeyTable::File(int index, const Name& name, const uint8_t key[kTableKeySize])
{
    KeyEntry& entry = entries_[index];
    std::memcpy(entry.name, name.text, kKeyNameSize);
    std::memcpy(entry.key, key, kTableKeySize);
    entry.used = 1;
    filedAt_[index] = ++adds_;
}

KeyTable::AddResult KeyTable::Add(const char* name, const uint8_t key[kTableKeySize])
{
    if (name == nullptr || key == nullptr) return AddResult::Dropped;
    const Name normal = Normalise(name);

    std::lock_guard<std::mutex> hold(lock_);
    int index = FindUsed(normal);
    if (index >= 0) {
        File(index, normal, key);
        return AddResult::Replaced;
    }
    index = FindFree();
    if (index >= 0) {
        File(index, normal, key);
        return AddResult::Stored;
    }
    File(FindOldest(), normal, key);
    return AddResult::StoredOverOldest;
}

bool KeyTable::Get(const char* name, uint8_t key[kTableKeySize])
{
    if (name == nullptr || key == nullptr) return false;
    const Name normal = Normalise(name);

    std::lock_guard<std::mutex> hold(lock_);
    int index = FindUsed(normal);
    if (index < 0) return false;
    KeyEntry& entry = entries_[index];
    std::memcpy(key, entry.key, kTableKeySize);
    entry = KeyEntry{}; // a consumed key does not linger in the table
    return true;
}

KeyEntry KeyTable::EntryAt(std::size_t index) const
{
    if (index >= kKeyTableEntries) return KeyEntry{};
    std::lock_guard<std::mutex> hold(lock_);
    return entries_[index];
}

} // namespace kivet::secure
