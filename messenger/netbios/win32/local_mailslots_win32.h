// Received mailslot messages written into this computer's mailslots, so that the program's
// readers see them exactly as if the system had delivered them.
#pragma once

#include "messenger/netbios/engine_ports.h"

namespace kivet::nbt {

class Win32LocalMailslots final : public LocalMailslots {
public:
    // Opens "\\.\mailslot\<leaf>" for writing, writes the message with one call, closes, as the
    // program's own writers do. No handle is kept between messages: a kept write handle would
    // refuse other writers (it shares reading only), and once the reader makes its mailslot anew
    // writes through it vanish without an error under Wine.
    bool Deliver(std::string_view leaf, const uint8_t* data, std::size_t size) override;
};

} // namespace kivet::nbt
