// Opens the compiled HTML help at a topic (see help_topics.h for the topic numbers).
#pragma once

namespace kivet {

// Starts "hh.exe" on the help file named by the text table (a language pack may name its own)
// in the program folder, at the topic's page, shown normally and without waiting. A missing
// viewer fails silently.
void ShowHelpTopic(int topic);

} // namespace kivet
