// A language pack's strings are checked before they enter the text table: the program uses many
// of them as printf and strftime formats, so a translated string must ask for exactly the
// arguments the English one asks for, and the help file name must stay a plain file name in the
// program's folder. A string that fails is replaced by the program's own English text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "messenger/runtime/text_table.h"

namespace kivet {

// String id of the help file name ("kivetsec.chm" in English).
constexpr uint32_t kHelpFileNameId = 444;

// The conversions of a format string in order, each reduced to what decides the arguments it
// takes: a "*" for each star, then the length modifier and the conversion letter ("%-10s" and
// "%s" are both "s", "%*d" is "*" and "d", "%ld" is "ld"). "%%" takes nothing and is left out.
struct FormatSignature {
    std::vector<std::string> conversions;
    bool wellFormed = true; // false for a '%' that ends the text before its conversion letter
    bool writes = false;    // a "%n", which would write through an argument
};

FormatSignature ReadFormatSignature(std::string_view text);

// True when a translated string may stand in for the English one as a format.
bool SameConversions(std::string_view english, std::string_view translated);

// A help file name in the program's folder: no folder part, drive, quote or control character.
bool IsPlainFileName(std::string_view name);

// A pack's strings as a StringSource, each checked against the program's own string of the same
// id; a failing string gives the English text instead. A string the pack lacks stays missing.
class CheckedPackStrings : public StringSource {
public:
    CheckedPackStrings(StringSource& pack, StringSource& english) : pack_(pack), english_(english) {}
    bool Load(uint32_t id, char* buf, std::size_t size) override;
    // How many strings were replaced by the English text since construction.
    std::size_t Refused() const { return refused_; }

private:
    bool Acceptable(uint32_t id, std::string_view english, std::string_view translated) const;

    StringSource& pack_;
    StringSource& english_;
    std::size_t refused_ = 0;
};

} // namespace kivet
