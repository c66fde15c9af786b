// A registry double for the list tests: the in-memory registry that counts the calls made to it,
// can list names in the reverse of its sorted order (so that a list that sorts, instead of keeping
// the registry's order, shows) and can refuse every write.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "messenger/runtime/registry_settings.h"
#include "tests/fakes/memory_registry.h"

namespace kivet::test {

class ListRegistry : public kivet::testing::MemoryRegistry {
public:
    bool reverseOrder = false;
    bool refuseWrites = false;
    int reads = 0;
    int writes = 0; // creations, sets and deletions, refused or not

    bool CreateKey(RegRoot root, const std::string& key) override
    {
        ++writes;
        return !refuseWrites && MemoryRegistry::CreateKey(root, key);
    }
    bool DeleteKey(RegRoot root, const std::string& key) override
    {
        ++writes;
        return !refuseWrites && MemoryRegistry::DeleteKey(root, key);
    }
    bool SetString(RegRoot root, const std::string& key, const std::string& name, std::string_view data) override
    {
        ++writes;
        return !refuseWrites && MemoryRegistry::SetString(root, key, name, data);
    }
    bool SetNumber(RegRoot root, const std::string& key, const std::string& name, uint32_t value) override
    {
        ++writes;
        return !refuseWrites && MemoryRegistry::SetNumber(root, key, name, value);
    }
    bool DeleteValue(RegRoot root, const std::string& key, const std::string& name) override
    {
        ++writes;
        return !refuseWrites && MemoryRegistry::DeleteValue(root, key, name);
    }
    bool KeyExists(RegRoot root, const std::string& key) override
    {
        ++reads;
        return MemoryRegistry::KeyExists(root, key);
    }
    bool GetString(RegRoot root, const std::string& key, const std::string& name, std::size_t bufferBytes,
                   std::string& data) override
    {
        ++reads;
        return MemoryRegistry::GetString(root, key, name, bufferBytes, data);
    }
    bool GetNumber(RegRoot root, const std::string& key, const std::string& name, uint32_t& value) override
    {
        ++reads;
        return MemoryRegistry::GetNumber(root, key, name, value);
    }
    std::vector<std::string> ValueNames(RegRoot root, const std::string& key) override
    {
        ++reads;
        return Ordered(MemoryRegistry::ValueNames(root, key));
    }
    std::vector<std::string> SubkeyNames(RegRoot root, const std::string& key) override
    {
        ++reads;
        return Ordered(MemoryRegistry::SubkeyNames(root, key));
    }

    // Set-up and inspection helpers: neither counted nor refused.
    void Put(const std::string& key, const std::string& name, std::string_view data = "")
    {
        Untracked([&] { MemoryRegistry::SetString(RegRoot::CurrentUser, key, name, data); });
    }
    void PutNumber(const std::string& key, const std::string& name, uint32_t value)
    {
        Untracked([&] { MemoryRegistry::SetNumber(RegRoot::CurrentUser, key, name, value); });
    }
    void PutKey(const std::string& key)
    {
        Untracked([&] { MemoryRegistry::CreateKey(RegRoot::CurrentUser, key); });
    }
    std::vector<std::string> Names(const std::string& key)
    {
        return MemoryRegistry::ValueNames(RegRoot::CurrentUser, key);
    }
    std::vector<std::string> Subkeys(const std::string& key)
    {
        return MemoryRegistry::SubkeyNames(RegRoot::CurrentUser, key);
    }
    bool HasKey(const std::string& key) { return MemoryRegistry::KeyExists(RegRoot::CurrentUser, key); }
    std::string Data(const std::string& key, const std::string& name)
    {
        const Value* v = Find(RegRoot::CurrentUser, key, name);
        return v ? v->text : std::string("<missing>");
    }

private:
    // Runs a set-up step on the double itself (whose writes call the virtual CreateKey).
    template <typename Step> void Untracked(Step step)
    {
        int r = reads, w = writes;
        bool refuse = refuseWrites;
        refuseWrites = false;
        step();
        reads = r;
        writes = w;
        refuseWrites = refuse;
    }

    std::vector<std::string> Ordered(std::vector<std::string> names) const
    {
        if (reverseOrder) std::reverse(names.begin(), names.end());
        return names;
    }
};

inline std::string Under(const std::string& subkey)
{
    return std::string(kProgramKey) + "\\" + subkey;
}

} // namespace kivet::test
