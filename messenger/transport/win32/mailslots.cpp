#include "messenger/transport/win32/mailslots.h"

#include "messenger/transport/mailslot_target.h"

#include "common/fixed_text.h"

namespace kivet {

HANDLE CreateProgramMailslot(std::string_view path)
{
    std::string name = "\\\\." + std::string(path);
    return CreateMailslotA(name.c_str(), 0, MAILSLOT_WAIT_FOREVER, nullptr);
}

bool Win32MailslotReader::Peek(uint32_t& nextSize, uint32_t& waiting)
{
    DWORD next = 0, count = 0;
    if (mailslot_ == INVALID_HANDLE_VALUE || !GetMailslotInfo(mailslot_, nullptr, &next, &count, nullptr)) return false;
    // A datagram of zero bytes still waits; some systems report no count with it.
    bool any = next != MAILSLOT_NO_MESSAGE;
    nextSize = any ? next : 0;
    waiting = any ? (count ? count : 1) : 0;
    return true;
}

bool Win32MailslotReader::Read(std::vector<uint8_t>& datagram)
{
    uint32_t size = 0, waiting = 0;
    if (!Peek(size, waiting) || waiting == 0) return false;
    datagram.assign(size ? size : 1, 0);
    DWORD read = 0;
    if (!ReadFile(mailslot_, datagram.data(), static_cast<DWORD>(datagram.size()), &read, nullptr)) return false;
    datagram.resize(read);
    return true;
}

std::string Win32MailslotWriter::PathFor(std::string_view target, std::string_view path) const
{
    const std::string localComputer = localComputer_();
    bool local = !localComputer.empty() && EqualsNoCase(target, localComputer);
    return "\\\\" + (local ? std::string(".") : std::string(target)) + std::string(path);
}

// The last guard before the system call: whatever the writer above decided, a target is never a path.
bool Win32MailslotWriter::Write(std::string_view target, std::string_view path, const uint8_t* data, std::size_t size)
{
    if (!IsMailslotTarget(target, Broadcast::Allowed)) return false;
    std::string full = PathFor(target, path);
    HANDLE file = CreateFileA(full.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
    return ok && written == size;
}

} // namespace kivet
