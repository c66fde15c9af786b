// What the main window hands to the send dialog when it opens it.
#pragma once

#include <type_traits>

namespace kivet {

struct SendHandOver {
    char recipient[32];
    char text[300];
};
static_assert(sizeof(SendHandOver) == 332, "recipient and text fields");
static_assert(std::is_trivially_copyable_v<SendHandOver>, "copied whole");

} // namespace kivet
