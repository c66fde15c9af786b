// The system header comes first: the codec's header then undoes two of its macros.
#include <windows.h>

#include "common/win32/win32_codec.h"

namespace kivet {

// The buffer functions convert a given length in place, so embedded NULs and lengths are kept.
std::string Win32Codec::AnsiToOem(std::string_view ansi) const
{
    std::string out(ansi);
    if (!out.empty()) CharToOemBuffA(out.data(), out.data(), static_cast<DWORD>(out.size()));
    return out;
}

std::string Win32Codec::OemToAnsi(std::string_view oem) const
{
    std::string out(oem);
    if (!out.empty()) OemToCharBuffA(out.data(), out.data(), static_cast<DWORD>(out.size()));
    return out;
}

std::string Win32Codec::Upper(std::string_view ansi) const
{
    std::string out(ansi);
    if (!out.empty()) CharUpperBuffA(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

std::string Win32Codec::Lower(std::string_view ansi) const
{
    std::string out(ansi);
    if (!out.empty()) CharLowerBuffA(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

const TextCodec& SystemCodec()
{
    static const Win32Codec codec;
    return codec;
}

} // namespace kivet
