#include "messenger/runtime/command_line.h"

#include "common/fixed_text.h"

namespace kivet {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::size_t SkipBlanks(std::string_view s, std::size_t pos)
{
    while (pos < s.size() && IsBlank(s[pos]))
        ++pos;
    return pos;
}

std::size_t WordEnd(std::string_view s, std::size_t pos)
{
    while (pos < s.size() && !IsBlank(s[pos]))
        ++pos;
    return pos;
}

} // namespace

CommandLine ParseCommandLine(std::string_view args)
{
    CommandLine cl;
    std::size_t pos = SkipBlanks(args, 0);
    if (pos == args.size()) return cl;

    std::size_t end = WordEnd(args, pos);
    CopyCut(cl.key, args.substr(pos, end - pos));
    cl.wordCount = 1;

    pos = SkipBlanks(args, end);
    if (pos == args.size()) return cl;
    end = WordEnd(args, pos);
    CopyCut(cl.name, args.substr(pos, end - pos));
    cl.wordCount = 2;

    pos = SkipBlanks(args, end);
    if (pos == args.size()) return cl;
    CopyCut(cl.text, args.substr(pos));
    cl.wordCount = 3;
    return cl;
}

std::string_view SkipProgramName(std::string_view line, std::string_view programPath)
{
    std::size_t pos = SkipBlanks(line, 0);
    std::size_t afterPath = pos + programPath.size();
    if (!programPath.empty() && afterPath <= line.size() &&
        EqualsNoCase(line.substr(pos, programPath.size()), programPath) &&
        (afterPath == line.size() || IsBlank(line[afterPath])))
        return line.substr(afterPath);
    if (pos < line.size() && line[pos] == '"') {
        std::size_t close = line.find('"', pos + 1);
        pos = close == std::string_view::npos ? line.size() : close + 1;
    } else {
        pos = WordEnd(line, pos);
    }
    return line.substr(pos);
}

CommandKey ClassifyKey(const CommandLine& cl)
{
    std::string_view key = FieldText(cl.key);
    if (key.empty()) return CommandKey::None;
    if (EqualsNoCase(key, "/s")) return CommandKey::Send;
    if (EqualsNoCase(key, "/e")) return CommandKey::Explorer;
    if (EqualsNoCase(key, "/l")) return CommandKey::Log;
    if (key == "/?" || EqualsNoCase(key, "/h")) return CommandKey::Help;
    return CommandKey::Unknown;
}

bool HasSendArguments(const CommandLine& cl)
{
    return cl.wordCount >= 3;
}

std::string ComputerFromNetworkPath(std::string_view path)
{
    if (path.empty() || path[0] != '\\') return std::string(path);
    std::string_view rest = path.size() >= 2 ? path.substr(2) : std::string_view();
    std::size_t slash = rest.find('\\');
    return std::string(rest.substr(0, slash));
}

std::vector<std::string> SplitRecipients(std::string_view names)
{
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos <= names.size()) {
        std::size_t comma = names.find(',', pos);
        if (comma == std::string_view::npos) comma = names.size();
        std::string entry;
        for (char c : names.substr(pos, comma - pos)) {
            if (entry.size() == 15) break;
            entry.push_back(AsciiUpper(c));
        }
        if (!entry.empty()) out.push_back(entry);
        pos = comma + 1;
    }
    return out;
}

} // namespace kivet
