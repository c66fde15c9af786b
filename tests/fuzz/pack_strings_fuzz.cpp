// A language pack's strings come from a file on disk: the check that compares a translated
// format with the English one must hold for any bytes. The input is split at its first NUL into
// the English text and the translation.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "messenger/runtime/pack_strings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t split = input.find('\0');
    std::string_view english = input.substr(0, split);
    std::string_view translated = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    kivet::FormatSignature signature = kivet::ReadFormatSignature(translated);
    bool same = kivet::SameConversions(english, translated);
    // A translation accepted for a format never writes through an argument and is well formed.
    if (same && (signature.writes || !signature.wellFormed)) __builtin_trap();
    kivet::IsPlainFileName(translated);
    return 0;
}
