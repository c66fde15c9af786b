// Remote mailslot writes through our own NetBIOS datagram service: "\\" + target + path as the
// system's mailslot writer would send it (see NbtEngine::SendMailslot for the targets).
#pragma once

#include "messenger/netbios/nbt_service.h"
#include "messenger/transport/mailslot_port.h"

namespace kivet::nbt {

class NbtMailslotWriter final : public MailslotWriter {
public:
    explicit NbtMailslotWriter(NbtService& service) : service_(service) {}

    // False for an invalid target or path, a target nobody answers for, or a stopped service.
    bool Write(std::string_view target, std::string_view path, const uint8_t* data, std::size_t size) override
    {
        return service_.SendMailslot(target, path, data, size);
    }

private:
    NbtService& service_;
};

} // namespace kivet::nbt
