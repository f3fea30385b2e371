// Splits one file into pieces through cleavo.dll, loaded by name as the
// program loads it, and prints the throughput.
//   cleavo_bench INPUT OUTPUT-FOLDER PIECE-BYTES
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cleavo.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: cleavo_bench INPUT OUTPUT-FOLDER PIECE-BYTES\n");
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
    const int count = static_cast<int>((size + pieceSize - 1) / pieceSize);

    LARGE_INTEGER freq, start, end;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&start);
    for (int n = 1; n <= count; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "\\bench.S%02d", n);
        double first = static_cast<double>((n - 1) * pieceSize), last = static_cast<double>(n * pieceSize);
        if (!split(in.c_str(), (out + name).c_str(), first, last, n, count)) return 1;
    }
    QueryPerformanceCounter(&end);
    double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(freq.QuadPart);
    std::printf("cleavo.dll split: %llu bytes into %d pieces in %.2f s, %.0f MB/s\n", size, count, seconds,
                static_cast<double>(size) / seconds / 1e6);
    return 0;
}
