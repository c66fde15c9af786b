#include "common/emoticon_codes.h"

#include <cstdio>

namespace kivet {
namespace {

const char* const kCodes[kEmoticonCount] = {
    "[:)]",  "[:d]",  "[;)]",  "[:o]",  "[:p]",  "[(y)]", "[(h)]", "[:@]",  "[:$]",  "[:s]",  "[:(]",
    "[(n)]", "[:'(]", "[:|]",  "[(6)]", "[(a)]", "[(l)]", "[sun]", "[(u)]", "[(@)]", "[(&)]", "[(s)]",
    "[(*)]", "[(b)]", "[(~)]", "[(e)]", "[(8)]", "[(f)]", "[(w)]", "[(x)]", "[(o)]", "[(k)]", "[(g)]",
    "[(^)]", "[(p)]", "[(z)]", "[(i)]", "[(c)]", "[(t)]", "[({)]", "[(})]", "[(d)]",
};

bool Valid(int n)
{
    return n >= 1 && n <= kEmoticonCount;
}

} // namespace

std::string_view EmoticonCode(int n)
{
    return Valid(n) ? kCodes[n - 1] : std::string_view();
}

std::string EmoticonPictureFile(int n)
{
    if (!Valid(n)) return std::string();
    char name[16];
    std::snprintf(name, sizeof name, "emimg_%02d.gif", n);
    return name;
}

int EmoticonAt(std::string_view text, std::size_t pos)
{
    if (pos >= text.size()) return 0;
    std::string_view rest = text.substr(pos);
    for (int n = 1; n <= kEmoticonCount; ++n)
        if (rest.substr(0, EmoticonCode(n).size()) == EmoticonCode(n)) return n;
    return 0;
}

} // namespace kivet
