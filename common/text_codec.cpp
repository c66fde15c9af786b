#include "common/text_codec.h"

#include "common/fixed_text.h"

namespace kivet {
namespace {

// Leaves the bytes as they are and changes the case of ASCII letters only.
class AsciiTextCodec final : public TextCodec {
public:
    std::string AnsiToOem(std::string_view ansi) const override { return std::string(ansi); }
    std::string OemToAnsi(std::string_view oem) const override { return std::string(oem); }

    std::string Upper(std::string_view ansi) const override
    {
        std::string result(ansi);
        for (char& c : result)
            c = AsciiUpper(c);
        return result;
    }

    std::string Lower(std::string_view ansi) const override
    {
        std::string result(ansi);
        for (char& c : result)
            c = AsciiLower(c);
        return result;
    }
};

} // namespace

const TextCodec& AsciiCodec()
{
    static const AsciiTextCodec codec;
    return codec;
}

std::string NormaliseName(const TextCodec& codec, std::string_view name)
{
    const std::string upper = codec.Upper(name);
    if (upper.empty()) return upper;
    return upper.substr(0, 1) + codec.Lower(std::string_view(upper).substr(1));
}

} // namespace kivet
