// The program's command line: "[/key] [name] [text ...]".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kivet {

enum class CommandKey {
    None,     // no key: normal start
    Send,     // "/s name text"
    Explorer, // "/e \\COMPUTER\": hand-over from the Network Neighborhood verb
    Log,      // "/l": action log on
    Help,     // "/?" or "/h"
    Unknown,  // anything else
};

struct CommandLine {
    char key[3] = {};    // at most 2 characters
    char name[255] = {}; // at most 254 characters
    char text[255] = {}; // at most 254 characters, inner blanks kept
    uint8_t wordCount = 0;
};

// Splits the arguments (the line without the program name) at blanks: the first word is the key,
// the second the name, and the rest after the blanks that follow the name is the text.
CommandLine ParseCommandLine(std::string_view args);

// Skips the program name at the start of a full process command line: the program's own path
// when the line starts with it (the shell may pass a path with blanks unquoted), otherwise a
// quoted name or the first word.
std::string_view SkipProgramName(std::string_view commandLine, std::string_view programPath = {});

CommandKey ClassifyKey(const CommandLine& cl);

// "/s" needs a name and a text.
bool HasSendArguments(const CommandLine& cl);

// The computer name of a Network Neighborhood path: "\\PC7" and "\\PC7\" give "PC7"; a name
// without a leading backslash is taken as it stands.
std::string ComputerFromNetworkPath(std::string_view path);

// The "/s" recipient list: upper-cased, split at commas, each entry cut to 15 characters.
// Empty entries are dropped.
std::vector<std::string> SplitRecipients(std::string_view names);

} // namespace kivet
