// Loading a language pack with the system's loader: the messenger's side of the ".lng" libraries.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace kivet {

// Loads the pack file at `path` and checks its exports; the module that carries its resources,
// or null. Failures show their box owned by `owner` (which may be null); a pack that says no
// shows nothing. With an owner window the pack shows its own description box.
HINSTANCE LoadPackModule(HWND owner, const std::string& path);

// Switches the program to a language: the pack of `index` in the program folder (or the
// program's own resources for 0 and any index outside 1..6), replaces the two menus (see
// language_menus.h) and refills the whole text table, each pack string checked against the
// program's own. False when the pack could not be used; the program's own menus and texts are
// then loaded, and the caller sets the language back to 0.
bool LoadLanguagePack(HWND owner, int32_t index);

} // namespace kivet
