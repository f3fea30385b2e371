// Splits one file into pieces through cleavo.dll, loaded by name as the
// program loads it, and prints the throughput. With --hashes, then the same
// split with the pieces' and the file's SHA-256 taken as the program takes
// them, the ratio of the two times, and the SHA-256 throughput of the
// program's own code beside the system's CNG (BCryptHash). With --once, one
// split only, and only the seconds spent inside the split calls are printed:
// bench/versus_gnu.sh pairs that figure with GNU split's. That split starts
// when a line comes on standard input, after "ready" is printed: the caller
// empties the folder then, so that the copy begins right after, as GNU
// split's does, and not a Wine start-up later.
//   cleavo_bench INPUT OUTPUT-FOLDER PIECE-BYTES [--hashes | --once]
#include <windows.h>
#include <bcrypt.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// Bound by name, as the program binds it: signatures only.
#define CLEAVO_BIND_BY_NAME
#include "cleavo.h"
#include "platform/sha256.h"
#include "split/input_hashes.h"

namespace {

double now() {
    LARGE_INTEGER freq, t;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

// One whole split; with hashes, each piece's bytes are hashed right after it
// is written, as the run does.
double timeSplit(SplitFn split, const std::string& in, const std::string& out, unsigned long long size,
                 unsigned long long pieceSize, bool withHashes) {
    const int count = static_cast<int>((size + pieceSize - 1) / pieceSize);
    split::InputHashes hashes;
    double start = now();
    for (int n = 1; n <= count; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "\\bench.S%02d", n);
        unsigned long long first = (n - 1) * pieceSize, last = std::min(n * pieceSize, size);
        if (!split(in.c_str(), (out + name).c_str(), static_cast<double>(first), static_cast<double>(last), n, count))
            std::exit(1);
        if (withHashes) hashes.addPiece(in, static_cast<int64_t>(first), static_cast<int64_t>(last));
    }
    if (withHashes) hashes.wholeHex();
    return now() - start;
}

void compareSha256() {
    std::vector<unsigned char> data(256u << 20);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>((i * 2654435761u) >> 13);
    platform::Sha256 own;
    double t0 = now();
    own.add(data.data(), data.size());
    platform::Sha256Digest ownDigest = own.finish();
    double tOwn = now() - t0;

    // BCryptHash is Windows 10's: bound by name so that the headers for older targets do.
    typedef NTSTATUS(WINAPI * HashFn)(BCRYPT_ALG_HANDLE, PUCHAR, ULONG, PUCHAR, ULONG, PUCHAR, ULONG);
    HashFn hash = reinterpret_cast<HashFn>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("bcrypt.dll"), "BCryptHash")));
    BCRYPT_ALG_HANDLE alg = nullptr;
    unsigned char cng[32] = {};
    double tCng = 0;
    if (hash && BCryptOpenAlgorithmProvider(&alg, BCRYPT_SHA256_ALGORITHM, nullptr, 0) == 0) {
        t0 = now();
        hash(alg, nullptr, 0, data.data(), static_cast<ULONG>(data.size()), cng, sizeof cng);
        tCng = now() - t0;
        BCryptCloseAlgorithmProvider(alg, 0);
    }
    const double mb = static_cast<double>(data.size()) / 1e6;
    std::printf("SHA-256 of 256 MiB in memory: own code %.0f MB/s (SHA instructions: %s), CNG BCryptHash %.0f MB/s; "
                "digests %s\n",
                mb / tOwn, platform::sha256InHardware() ? "yes" : "no", tCng > 0 ? mb / tCng : 0.0,
                std::memcmp(cng, ownDigest.data(), 32) == 0 ? "equal" : "DIFFER");
}

}  // namespace

int main(int argc, char** argv) {
    const bool withHashes = argc == 5 && std::strcmp(argv[4], "--hashes") == 0;
    const bool once = argc == 5 && std::strcmp(argv[4], "--once") == 0;
    if (argc != 4 && !withHashes && !once) {
        std::fprintf(stderr, "usage: cleavo_bench INPUT OUTPUT-FOLDER PIECE-BYTES [--hashes | --once]\n");
        return 2;
    }
    const std::string in = argv[1], out = argv[2];
    const unsigned long long pieceSize = std::strtoull(argv[3], nullptr, 10);
    HMODULE dll = LoadLibraryA("cleavo.dll");
    if (!dll) {
        std::fprintf(stderr, "cannot load cleavo.dll\n");
        return 1;
    }
    auto split = reinterpret_cast<SplitFn>(reinterpret_cast<void*>(GetProcAddress(dll, "split")));
    auto bigFileSize = reinterpret_cast<BigFileSizeFn>(reinterpret_cast<void*>(GetProcAddress(dll, "BigFileSize")));
    char text[20];
    if (!split || !bigFileSize || !bigFileSize(in.c_str(), text)) return 1;
    const unsigned long long size = std::strtoull(text, nullptr, 10);
    if (once) {
        std::printf("ready\n");
        std::fflush(stdout);
        char go[16];
        if (!std::fgets(go, sizeof go, stdin)) return 1;
        std::printf("%.3f\n", timeSplit(split, in, out, size, pieceSize, false));
        return 0;
    }

    // The first split creates the pieces; the timed ones replace them, so that
    // neither side pays for making new files. The best of two rounds each.
    if (withHashes) timeSplit(split, in, out, size, pieceSize, false);
    double plain = timeSplit(split, in, out, size, pieceSize, false), hashed = 0;
    if (withHashes) {
        hashed = timeSplit(split, in, out, size, pieceSize, true);
        plain = std::min(plain, timeSplit(split, in, out, size, pieceSize, false));
        hashed = std::min(hashed, timeSplit(split, in, out, size, pieceSize, true));
    }
    std::printf("cleavo.dll split: %llu bytes in pieces of %llu in %.2f s, %.0f MB/s\n", size, pieceSize, plain,
                static_cast<double>(size) / plain / 1e6);
    if (!withHashes) return 0;
    std::printf("with SHA-256 of each piece and the file: %.2f s; ratio with/without hashes: %.2f\n", hashed,
                hashed / plain);
    compareSha256();
    return 0;
}
