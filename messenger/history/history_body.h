// The message text as it appears inside an entry of the HTML history.
#pragma once

#include <string>
#include <string_view>

namespace kivet {

// Converts the text up to its end or its first NUL: every emoticon code becomes its picture
// (pictures by absolute path: programFolder + "images/" + file), a CR LF pair or a lone CR or LF
// becomes "<br>", "<" and ">" become "&lt;" and "&gt;"; everything else is copied unchanged.
// There is no length limit: every character of the text is written.
std::string HistoryBody(std::string_view programFolder, std::string_view text);

} // namespace kivet
