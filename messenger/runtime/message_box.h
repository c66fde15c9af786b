// A message box as the program's logic describes it; the window side shows it.
#pragma once

#include <string>

namespace kivet {

enum class BoxButtons { Ok, YesNo };
enum class BoxIcon { None, Information, Exclamation, Stop, Question };
enum class BoxAnswer { Ok, Yes, No, Other };

struct BoxSpec {
    std::string text;
    std::string caption;
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
};

inline bool operator==(const BoxSpec& a, const BoxSpec& b)
{
    return a.text == b.text && a.caption == b.caption && a.buttons == b.buttons && a.icon == b.icon;
}

} // namespace kivet
