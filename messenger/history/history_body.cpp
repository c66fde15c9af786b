#include "messenger/history/history_body.h"

#include "common/emoticon_codes.h"

namespace kivet {
namespace {

void AppendPicture(std::string& out, std::string_view programFolder, int n)
{
    out += "<img width=\"19\" height=\"19\" align=\"absmiddle\" src=\"";
    out += programFolder;
    out += "images/";
    out += EmoticonPictureFile(n);
    out += "\">";
}

// How many characters a line break at pos takes: two for a CR LF pair, one for a lone CR or LF.
std::size_t LineBreakLength(std::string_view text, std::size_t pos)
{
    return text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
}

} // namespace

std::string HistoryBody(std::string_view programFolder, std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (std::size_t pos = 0; pos < text.size();) {
        if (int n = EmoticonAt(text, pos)) {
            AppendPicture(out, programFolder, n);
            pos += EmoticonCode(n).size();
            continue;
        }
        char c = text[pos];
        if (c == '\r' || c == '\n') {
            out += "<br>";
            pos += LineBreakLength(text, pos);
            continue;
        }
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
        ++pos;
    }
    return out;
}

} // namespace kivet
