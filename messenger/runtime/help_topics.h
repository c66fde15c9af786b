// The compiled HTML help: which page each help topic opens and the command line that starts the
// system's help viewer on it.
#pragma once

#include <string>

namespace kivet {

// Topic 0 is the help file's start page; 1..10 are the Options pages in order, 11 the computer
// details window, 12 the send dialog.
constexpr int kHelpTopicCount = 13;

constexpr int kHelpContents = 0;      // main window: "&Contents" and F1
constexpr int kHelpDetailsWindow = 11; // the computer details window
constexpr int kHelpSendDialog = 12;    // the send dialog

// The page suffix of a topic ("::/html/kive6rvw.htm" for 1); "" for 0 and any unknown topic.
std::string HelpTopicSuffix(int topic);

// "hh.exe", a space and the help file in the program folder with the topic's suffix, quoted so
// that a folder with blanks stays one argument.
std::string HelpCommandLine(const std::string& programFolder, const std::string& helpFile, int topic);

} // namespace kivet
