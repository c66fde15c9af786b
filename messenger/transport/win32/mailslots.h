// The program's mailslots on the system's mailslot calls.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "messenger/transport/mailslot_port.h"

namespace kivet {

// Creates "\\.\" + path with no maximum message size and an infinite read time-out;
// INVALID_HANDLE_VALUE on failure.
HANDLE CreateProgramMailslot(std::string_view path);

class Win32MailslotReader : public MailslotReader {
public:
    explicit Win32MailslotReader(HANDLE mailslot) : mailslot_(mailslot) {}
    bool Peek(uint32_t& nextSize, uint32_t& waiting) override;
    bool Read(std::vector<uint8_t>& datagram) override;

private:
    HANDLE mailslot_;
};

class Win32MailslotWriter : public MailslotWriter {
public:
    // localComputer: this computer's name; a target naming it is written through "\\.", which
    // reaches the same local mailslot.
    explicit Win32MailslotWriter(std::string localComputer)
        : localComputer_([name = std::move(localComputer)] { return name; })
    {
    }
    // The name asked each time, for a writer made before the local names are known.
    explicit Win32MailslotWriter(std::function<std::string()> localComputer) : localComputer_(std::move(localComputer))
    {
    }
    bool Write(std::string_view target, std::string_view path, const uint8_t* data, std::size_t size) override;

    // The full path a datagram for target goes to.
    std::string PathFor(std::string_view target, std::string_view path) const;

private:
    std::function<std::string()> localComputer_;
};

} // namespace kivet
