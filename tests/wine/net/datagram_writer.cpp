// Another computer's "net send": Messenger Service datagrams ("USER\0recipient\0text\0")
// written to \mailslot\messngr through our NetBIOS over TCP/IP, from a computer that holds the
// usual workstation names in the workgroup WORKGROUP while it writes.
//
//   datagram_writer.exe COMPUTER USER TARGET RECIPIENT TEXT [TARGET RECIPIENT TEXT]...
//
// Each TARGET is a computer or user name, a workgroup, or "*". A TEXT of 300 characters or more
// goes as a split message: pieces of 300 characters and a last, shorter one, each in the
// program's own form ("USER\0recipient\0piece\0COMPUTER\0" and the flag 2 of a piece, then a
// NUL), 100 ms apart. Each message prints "sent TARGET 1" (or 0 when a write failed). Exit 0 when
// every datagram was sent, 1 when one was not, 3 when our NetBIOS could not start (UDP 137/138
// taken), 2 on usage.
#include <windows.h>

#include <cstdio>
#include <string>

#include "messenger/netbios/program_names.h"
#include "messenger/netbios/win32/own_netbios.h"

using namespace kivet;
using namespace kivet::nbt;

namespace {

constexpr std::size_t kPieceLength = 300;

bool WriteMessage(MailslotWriter& writer, const char* computer, const char* user, const char* target,
                  const char* recipient, const std::string& text)
{
    auto write = [&](const std::string& datagram) {
        return writer.Write(target, "\\mailslot\\messngr", reinterpret_cast<const uint8_t*>(datagram.data()),
                            datagram.size());
    };
    const std::string head = std::string(user) + '\0' + recipient + '\0';
    if (text.size() < kPieceLength) return write(head + text + '\0');
    bool sent = true;
    for (std::size_t at = 0; at <= text.size(); at += kPieceLength) {
        sent = write(head + text.substr(at, kPieceLength) + '\0' + computer + '\0' + '\2' + '\0') && sent;
        Sleep(100);
    }
    return sent;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6 || (argc - 3) % 3 != 0) {
        std::fprintf(stderr, "usage: datagram_writer COMPUTER USER TARGET RECIPIENT TEXT...\n");
        return 2;
    }
    OwnNetBios netbios;
    if (netbios.Start() != OwnNetBiosStart::Started) return 3;
    netbios.AddNames(ProgramNames(argv[1], argv[2], kDefaultWorkgroup));
    bool allSent = true;
    for (int i = 3; i + 2 < argc; i += 3) {
        const bool sent = WriteMessage(*netbios.Writer(), argv[1], argv[2], argv[i], argv[i + 1], argv[i + 2]);
        std::printf("sent %s %d\n", argv[i], sent ? 1 : 0);
        allSent = allSent && sent;
    }
    netbios.Stop();
    return allSent ? 0 : 1;
}
