// Throughput of CAST-128 as the system's callers use it, against OpenSSL's CAST5-ECB.
//
// Callers reach the cipher through the component interface: one virtual call per 8-byte block,
// with the key passed every time. The benchmark reproduces that with an abstract class whose
// object is chosen at run time, so the compiler can neither inline nor devirtualise the call.
// OpenSSL enciphers the same data with one EVP_EncryptUpdate over the whole buffer.
//
// Usage: cast128_bench [MiB]   (default 64). Build in a Release tree without sanitizers.
#include "secure/cast128.h"

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/provider.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace {

// Mirrors the shape of the interface's block method.
class BlockCipher {
public:
    virtual ~BlockCipher() = default;
    virtual void EncryptBlock(const std::uint8_t* key, std::uint8_t* out, const std::uint8_t* in) = 0;
};

class Cast128Cipher : public BlockCipher {
public:
    void EncryptBlock(const std::uint8_t* key, std::uint8_t* out, const std::uint8_t* in) override
    {
        kivet::secure::EncryptBlock(key, out, in);
    }
};

// A second implementation, never chosen in practice, so the call site has two possible targets.
class CopyCipher : public BlockCipher {
public:
    void EncryptBlock(const std::uint8_t*, std::uint8_t* out, const std::uint8_t* in) override
    {
        std::memcpy(out, in, 8);
    }
};

std::unique_ptr<BlockCipher> MakeCipher(bool copyOnly)
{
    if (copyOnly) return std::make_unique<CopyCipher>();
    return std::make_unique<Cast128Cipher>();
}

using Clock = std::chrono::steady_clock;

double MegabytesPerSecond(std::size_t bytes, Clock::duration elapsed)
{
    return static_cast<double>(bytes) / 1e6 / std::chrono::duration<double>(elapsed).count();
}

Clock::duration TimeInterface(BlockCipher& cipher, const std::uint8_t* key, const std::vector<std::uint8_t>& plain,
                              std::vector<std::uint8_t>& out)
{
    const auto start = Clock::now();
    for (std::size_t offset = 0; offset < plain.size(); offset += 8) {
        cipher.EncryptBlock(key, out.data() + offset, plain.data() + offset);
    }
    return Clock::now() - start;
}

// Returns a negative duration when OpenSSL refuses; the reason is printed.
Clock::duration TimeOpenSsl(EVP_CIPHER* cast5, const std::uint8_t* key, const std::vector<std::uint8_t>& plain,
                            std::vector<std::uint8_t>& out)
{
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    int written = 0;
    const auto start = Clock::now();
    const bool ok = context != nullptr && EVP_EncryptInit_ex2(context, cast5, nullptr, nullptr, nullptr) == 1 &&
                    EVP_CIPHER_CTX_set_key_length(context, 16) == 1 && EVP_CIPHER_CTX_set_padding(context, 0) == 1 &&
                    EVP_EncryptInit_ex2(context, nullptr, key, nullptr, nullptr) == 1 &&
                    EVP_EncryptUpdate(context, out.data(), &written, plain.data(), static_cast<int>(plain.size())) == 1;
    const auto elapsed = Clock::now() - start;
    EVP_CIPHER_CTX_free(context);
    if (!ok || static_cast<std::size_t>(written) != plain.size()) {
        ERR_print_errors_fp(stderr);
        return Clock::duration(-1);
    }
    return elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    const std::size_t mebibytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 64;
    const std::size_t bytes = mebibytes << 20;
    constexpr int kRuns = 3;

    std::mt19937 random(5);
    std::uint8_t key[16];
    for (auto& byte : key)
        byte = static_cast<std::uint8_t>(random());
    std::vector<std::uint8_t> plain(bytes);
    for (auto& byte : plain)
        byte = static_cast<std::uint8_t>(random());
    std::vector<std::uint8_t> ours(bytes);
    std::vector<std::uint8_t> theirs(bytes);

    if (OSSL_PROVIDER_load(nullptr, "legacy") == nullptr) {
        std::fprintf(stderr, "OpenSSL legacy provider not available\n");
        ERR_print_errors_fp(stderr);
        return 1;
    }
    EVP_CIPHER* cast5 = EVP_CIPHER_fetch(nullptr, "CAST5-ECB", "provider=legacy");
    if (cast5 == nullptr) {
        std::fprintf(stderr, "CAST5-ECB not available\n");
        ERR_print_errors_fp(stderr);
        return 1;
    }

    // The object type depends on something the compiler cannot know (never true in practice).
    const std::unique_ptr<BlockCipher> cipher = MakeCipher(argc > 2);

    // Best of several runs each, interleaved, so both see the same machine state.
    double bestOurs = 0;
    double bestOpenSsl = 0;
    for (int run = 0; run < kRuns; ++run) {
        bestOurs = std::max(bestOurs, MegabytesPerSecond(bytes, TimeInterface(*cipher, key, plain, ours)));
        const Clock::duration openSsl = TimeOpenSsl(cast5, key, plain, theirs);
        if (openSsl.count() < 0) return 1;
        bestOpenSsl = std::max(bestOpenSsl, MegabytesPerSecond(bytes, openSsl));
    }
    EVP_CIPHER_free(cast5);

    if (ours != theirs) {
        std::fprintf(stderr, "ciphertexts differ between the two implementations\n");
        return 1;
    }
    std::printf("data: %zu MiB, one interface call per 8-byte block, key passed every call\n", mebibytes);
    std::printf("kivet cast128 via interface: %8.1f MB/s\n", bestOurs);
    std::printf("OpenSSL CAST5-ECB (1 update): %8.1f MB/s\n", bestOpenSsl);
    std::printf("ratio ours/OpenSSL:          %8.2f\n", bestOurs / bestOpenSsl);
    return 0;
}
