#include "tests/fakes/memory_registry.h"

#include "common/fixed_text.h"

namespace kivet::testing {

bool NoCaseLess::operator()(const std::string& a, const std::string& b) const
{
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        char x = AsciiUpper(a[i]), y = AsciiUpper(b[i]);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

std::string MemoryRegistry::Path(RegRoot root, const std::string& key)
{
    return (root == RegRoot::CurrentUser ? "HKCU\\" : "HKCR\\") + key;
}

bool MemoryRegistry::CreateKey(RegRoot root, const std::string& key)
{
    // Creating a key creates every missing parent, as the system does.
    std::string path = Path(root, key);
    for (std::size_t pos = path.find('\\'); pos != std::string::npos; pos = path.find('\\', pos + 1))
        keys_[path.substr(0, pos)];
    keys_[path];
    return true;
}

bool MemoryRegistry::KeyExists(RegRoot root, const std::string& key)
{
    return keys_.count(Path(root, key)) != 0;
}

bool MemoryRegistry::DeleteKey(RegRoot root, const std::string& key)
{
    std::string path = Path(root, key);
    auto it = keys_.find(path);
    if (it == keys_.end()) return false;
    // A key with subkeys stays, as with the system call.
    std::string prefix = path + "\\";
    for (auto sub = keys_.lower_bound(prefix); sub != keys_.end(); ++sub) {
        if (sub->first.size() <= prefix.size()) break;
        if (!EqualsNoCase(std::string_view(sub->first).substr(0, prefix.size()), prefix)) break;
        return false;
    }
    keys_.erase(it);
    return true;
}

bool MemoryRegistry::SetString(RegRoot root, const std::string& key, const std::string& name, std::string_view data)
{
    CreateKey(root, key);
    auto it = keys_.find(Path(root, key));
    if (it == keys_.end()) return false;
    auto existing = it->second.find(name);
    if (existing != it->second.end()) {
        existing->second = Value{false, std::string(data), 0};
    } else {
        it->second[name] = Value{false, std::string(data), 0};
    }
    return true;
}

bool MemoryRegistry::GetString(RegRoot root, const std::string& key, const std::string& name, std::size_t bufferBytes,
                               std::string& data)
{
    const Value* v = Find(root, key, name);
    if (!v || v->isNumber || bufferBytes == 0) return false;
    data = v->text.substr(0, bufferBytes - 1);
    return true;
}

bool MemoryRegistry::SetNumber(RegRoot root, const std::string& key, const std::string& name, uint32_t value)
{
    CreateKey(root, key);
    auto it = keys_.find(Path(root, key));
    if (it == keys_.end()) return false;
    it->second[name] = Value{true, std::string(), value};
    return true;
}

bool MemoryRegistry::GetNumber(RegRoot root, const std::string& key, const std::string& name, uint32_t& value)
{
    const Value* v = Find(root, key, name);
    if (!v || !v->isNumber) return false;
    value = v->number;
    return true;
}

bool MemoryRegistry::DeleteValue(RegRoot root, const std::string& key, const std::string& name)
{
    auto it = keys_.find(Path(root, key));
    return it != keys_.end() && it->second.erase(name) != 0;
}

std::vector<std::string> MemoryRegistry::ValueNames(RegRoot root, const std::string& key)
{
    std::vector<std::string> names;
    auto it = keys_.find(Path(root, key));
    if (it != keys_.end())
        for (const auto& [name, value] : it->second)
            names.push_back(name);
    return names;
}

std::vector<std::string> MemoryRegistry::SubkeyNames(RegRoot root, const std::string& key)
{
    // Paths compare without regard to case, so every path below the key follows it in one run.
    std::vector<std::string> names;
    std::string path = Path(root, key);
    if (keys_.count(path) == 0) return names;
    std::string prefix = path + "\\";
    for (auto sub = keys_.lower_bound(prefix); sub != keys_.end(); ++sub) {
        std::string_view full(sub->first);
        if (full.size() < prefix.size() || !EqualsNoCase(full.substr(0, prefix.size()), prefix)) break;
        std::string_view rest = full.substr(prefix.size());
        if (!rest.empty() && rest.find('\\') == std::string_view::npos) names.emplace_back(rest);
    }
    return names;
}

const MemoryRegistry::Value* MemoryRegistry::Find(RegRoot root, const std::string& key, const std::string& name) const
{
    auto it = keys_.find(Path(root, key));
    if (it == keys_.end()) return nullptr;
    auto v = it->second.find(name);
    return v == it->second.end() ? nullptr : &v->second;
}

std::string MemoryRegistry::StoredName(RegRoot root, const std::string& key, const std::string& name) const
{
    auto it = keys_.find(Path(root, key));
    if (it == keys_.end()) return std::string();
    auto v = it->second.find(name);
    return v == it->second.end() ? std::string() : v->first;
}

bool MemoryIni::Read(const char* section, const char* key, std::size_t maxChars, std::string& value)
{
    auto s = sections.find(section);
    if (s == sections.end()) return false;
    auto k = s->second.find(key);
    if (k == s->second.end()) return false;
    value = k->second.substr(0, maxChars);
    return true;
}

void MemoryIni::Write(const char* section, const char* key, const std::string& value)
{
    sections[section][key] = value;
}

} // namespace kivet::testing
