// One computer of the two-computer Wine test, using the program's Win32 secure session with the
// real, registered Secure.dll:
//   secure_exchange_peer receive <expected text> <seconds>   exit 0 when that text was stored
//   secure_exchange_peer send <recipient computer> <text>    exit code = the sender's result
// A receiver that got another text exits 4, one that got nothing in time 3; 10 means the
// component could not be started.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "messenger/clients/win32/secure_session.h"
#include "messenger/store/message_store.h"
#include "tests/wine/clients/wine_secure_host.h"

using namespace kivet;

namespace {

int Receive(SecureSession& session, MessageStore& store, wine::WineSecureHost& host, const char* expected, int seconds)
{
    for (int waited = 0; waited < seconds * 10 && host.stored == 0; ++waited)
        Sleep(100);
    if (host.stored == 0) return 3;
    const std::optional<MessageRecord> record = store.CurrentRecord();
    session.Stop();
    return record && std::strcmp(record->text, expected) == 0 && record->secure == 1 ? 0 : 4;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) return 64;
    wine::WineSecureHost host;
    wine::NoLog log;
    MessageStore store;
    SecureSession session;
    if (!session.Start(host, log, store, [](const BoxSpec&) {})) return 10;

    if (std::strcmp(argv[1], "receive") == 0) return Receive(session, store, host, argv[2], std::atoi(argv[3]));
    if (std::strcmp(argv[1], "send") == 0) {
        Sleep(300); // the own server listens before the answer to the request can come
        const int result = session.SendSecure(argv[2], argv[3]);
        session.Stop();
        return result;
    }
    return 64;
}
