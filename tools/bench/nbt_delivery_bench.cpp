// Mailslot datagrams delivered per second between two computers under Wine, through our own
// NetBIOS over TCP/IP (scripts/bench_netbios.sh runs it in two network namespaces).
//   nbt_delivery_bench.exe receive COMPUTER WORKGROUP COUNT
//   nbt_delivery_bench.exe send COMPUTER WORKGROUP TARGET COUNT [BURST]
// The sender pauses 1 ms after every BURST datagrams (default: no pause). Mailslot datagrams are
// not acknowledged, so what a flood loses shows in the receiver's count.
// The receiver reads its mailslot until COUNT messages arrived or 5 s pass without one, and
// prints how many arrived and the rate from the first to the last.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "messenger/netbios/program_names.h"
#include "messenger/netbios/win32/own_netbios.h"

using namespace kivet::nbt;

namespace {

constexpr char kLeaf[] = "kivet\\bench";

bool StartNetBios(OwnNetBios& netbios, const char* computer, const char* workgroup)
{
    const OwnNetBiosStart started = netbios.Start();
    std::printf("%s\n", DescribeStart(started, netbios).c_str());
    if (started != OwnNetBiosStart::Started) return false;
    for (const uint8_t nrc : netbios.AddNames(ProgramNames(computer, computer, workgroup)))
        if (nrc != 0) return false;
    return true;
}

int Receive(const char* computer, const char* workgroup, int count)
{
    const HANDLE mailslot = CreateMailslotA((std::string("\\\\.\\mailslot\\") + kLeaf).c_str(), 0, 50, nullptr);
    OwnNetBios netbios;
    if (mailslot == INVALID_HANDLE_VALUE || !StartNetBios(netbios, computer, workgroup)) return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    int received = 0;
    LARGE_INTEGER frequency, first{}, last{};
    QueryPerformanceFrequency(&frequency);
    DWORD quietSince = GetTickCount();
    char buffer[1024];
    while (received < count && GetTickCount() - quietSince < 5000) {
        DWORD read = 0;
        if (!ReadFile(mailslot, buffer, sizeof buffer, &read, nullptr)) continue; // 50 ms read time-out
        QueryPerformanceCounter(&last);
        if (received++ == 0) first = last;
        quietSince = GetTickCount();
    }
    const double seconds = static_cast<double>(last.QuadPart - first.QuadPart) / frequency.QuadPart;
    std::printf("received %d of %d datagrams in %.3f s: %.0f delivered per second\n", received, count, seconds,
                received > 1 && seconds > 0 ? (received - 1) / seconds : 0.0);
    return 0;
}

int Send(const char* computer, const char* workgroup, const char* target, int count, int burst)
{
    OwnNetBios netbios;
    if (!StartNetBios(netbios, computer, workgroup)) return 1;
    const std::string message = std::string("Bench") + '\0' + target + '\0' + std::string(300, 'x') + '\0';
    const std::string path = std::string("\\mailslot\\") + kLeaf;
    int sent = 0;
    const DWORD start = GetTickCount();
    for (int i = 0; i < count; ++i) {
        sent += netbios.Writer()->Write(target, path, reinterpret_cast<const uint8_t*>(message.data()), message.size());
        if (burst > 0 && (i + 1) % burst == 0) Sleep(1);
    }
    const DWORD elapsed = GetTickCount() - start;
    std::printf("sent %d of %d datagrams in %lu ms (%.0f per second offered)\n", sent, count, elapsed,
                elapsed ? sent * 1000.0 / elapsed : 0.0);
    return sent == count ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string role = argc > 1 ? argv[1] : "";
    if (role == "receive" && argc == 5) return Receive(argv[2], argv[3], std::atoi(argv[4]));
    if (role == "send" && (argc == 6 || argc == 7))
        return Send(argv[2], argv[3], argv[4], std::atoi(argv[5]), argc == 7 ? std::atoi(argv[6]) : 0);
    std::fprintf(stderr, "usage: nbt_delivery_bench receive COMPUTER WORKGROUP COUNT\n"
                         "       nbt_delivery_bench send COMPUTER WORKGROUP TARGET COUNT [BURST]\n");
    return 2;
}
