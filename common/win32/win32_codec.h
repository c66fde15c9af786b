// The system's code-page and case conversions.
#pragma once

#include "common/text_codec.h"

namespace kivet {

class Win32Codec : public TextCodec {
public:
    std::string AnsiToOem(std::string_view ansi) const override;
    std::string OemToAnsi(std::string_view oem) const override;
    std::string Upper(std::string_view ansi) const override;
    std::string Lower(std::string_view ansi) const override;
};

const TextCodec& SystemCodec();

} // namespace kivet
