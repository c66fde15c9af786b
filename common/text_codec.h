// Text conversions the message transport needs from the system: ANSI <-> OEM code pages (all
// text on the wire is OEM) and upper/lower case in the ANSI code page. The program uses the
// system's conversions; tests use a table that is not the identity, so a missing conversion shows.
#pragma once

#include <string>
#include <string_view>

// <windows.h> defines these two names as macros for its own conversion calls.
#ifdef AnsiToOem
#undef AnsiToOem
#endif
#ifdef OemToAnsi
#undef OemToAnsi
#endif

namespace kivet {

class TextCodec {
public:
    virtual ~TextCodec() = default;
    virtual std::string AnsiToOem(std::string_view ansi) const = 0;
    virtual std::string OemToAnsi(std::string_view oem) const = 0;
    virtual std::string Upper(std::string_view ansi) const = 0;
    virtual std::string Lower(std::string_view ansi) const = 0;
};

// ASCII-only case changes and no code-page conversion.
const TextCodec& AsciiCodec();

// Upper-cases, then keeps the first character and lower-cases the rest: "PC-07" -> "Pc-07",
// "JSMITH" -> "Jsmith". Used for every name that travels or is stored.
std::string NormaliseName(const TextCodec& codec, std::string_view name);

} // namespace kivet
