// The sending side of the secure soak: one secure session (the program's own, with the real
// Secure.dll) sending COUNT messages one after the other to the program on RECIPIENT.
//
//   secure_soak_peer.exe RECIPIENT COUNT TAG
//
// Message i (from 1) reads "TAG i " followed by letters and digits, 20 to 319 characters in all,
// so that every length modulo the cipher's 8-byte block occurs. For each message it prints
//   sent I RESULT UNIX_MS TEXT
// with the sender's result (0 sent enciphered, 1 error, 2 no secure messenger) and the time the
// send began. Exit 0 when every message was sent, 1 otherwise, 10 when the component would not
// start.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "messenger/clients/win32/secure_session.h"
#include "messenger/store/message_store.h"
#include "tests/wine/clients/wine_secure_host.h"

using namespace kivet;

namespace {

std::string SoakText(const std::string& tag, int index)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string text = tag + " " + std::to_string(index) + " ";
    const std::size_t length = 20 + static_cast<std::size_t>(index) * 37 % 300;
    unsigned state = static_cast<unsigned>(index) * 2654435761u;
    while (text.size() < length) {
        state = state * 1103515245u + 12345u;
        text += kLetters[(state >> 16) % (sizeof kLetters - 1)];
    }
    return text;
}

double UnixMilliseconds()
{
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<double>(ticks - 116444736000000000ULL) / 10000.0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) return 2;
    const int count = std::atoi(argv[2]);
    wine::WineSecureHost host;
    wine::NoLog log;
    MessageStore store;
    SecureSession session;
    if (!session.Start(host, log, store, [](const BoxSpec&) {})) return 10;
    Sleep(300); // the session's own server listens before the first answer can come

    int failures = 0;
    for (int i = 1; i <= count; ++i) {
        const std::string text = SoakText(argv[3], i);
        const double start = UnixMilliseconds();
        const int result = session.SendSecure(argv[1], text);
        if (result != 0) ++failures;
        std::printf("sent %d %d %.1f %s\n", i, result, start, text.c_str());
        std::fflush(stdout);
    }
    session.Stop();
    return failures == 0 ? 0 : 1;
}
