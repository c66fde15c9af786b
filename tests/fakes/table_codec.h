// A code-page double for the transport tests that is not the identity, so a missing or doubled
// conversion shows: four Latin-1 letters take their code page 850 positions on the wire, and the
// bytes they displace rotate, so the two directions differ.
//   ANSI 0xC4 'Ä' -> OEM 0x8E, ANSI 0xE4 'ä' -> OEM 0x84, ANSI 0xC9 'É' -> OEM 0x90,
//   ANSI 0xE9 'é' -> OEM 0x82. Upper and Lower also change the case of those four.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/text_codec.h"

namespace kivet::test {

constexpr char kAnsiUpperAUml = '\xC4';
constexpr char kAnsiLowerAUml = '\xE4';
constexpr char kAnsiUpperEAcute = '\xC9';
constexpr char kAnsiLowerEAcute = '\xE9';
constexpr char kOemUpperAUml = '\x8E';
constexpr char kOemLowerAUml = '\x84';
constexpr char kOemUpperEAcute = '\x90';
constexpr char kOemLowerEAcute = '\x82';

class TableCodec final : public TextCodec {
public:
    TableCodec();
    std::string AnsiToOem(std::string_view ansi) const override;
    std::string OemToAnsi(std::string_view oem) const override;
    std::string Upper(std::string_view ansi) const override;
    std::string Lower(std::string_view ansi) const override;

private:
    std::array<uint8_t, 256> toOem_{};
    std::array<uint8_t, 256> toAnsi_{};
};

const TableCodec& TestCodec();

} // namespace kivet::test
