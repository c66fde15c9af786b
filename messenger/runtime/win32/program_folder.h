// The folder of the running program file.
#pragma once

#include <string>

namespace kivet {

// The directory part of the program's own module path, up to and including the last "\".
std::string ProgramFolder();

} // namespace kivet
