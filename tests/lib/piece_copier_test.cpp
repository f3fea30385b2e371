// cleavo.dll loaded by name, as the program loads it, and called through
// its stdcall exports on real files.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "cleavo.h"
#include "support/library_dialogs.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

struct Library {
    HMODULE dll = LoadLibraryA("cleavo.dll");
    SplitFn split = reinterpret_cast<SplitFn>(reinterpret_cast<void*>(GetProcAddress(dll, "split")));
    BigFileSizeFn bigFileSize =
        reinterpret_cast<BigFileSizeFn>(reinterpret_cast<void*>(GetProcAddress(dll, "BigFileSize")));
};

Library& lib() {
    static Library l;
    return l;
}

// Splits `in` into pieces of `pieceSize` (the last one shorter) named
// base.1, base.2, ...; returns the number of pieces, or 0 when a call failed.
int splitAll(const std::string& in, const std::string& base, uint64_t fileSize, uint64_t pieceSize) {
    int count = static_cast<int>((fileSize + pieceSize - 1) / pieceSize);
    for (int n = 1; n <= count; ++n) {
        double first = static_cast<double>((n - 1) * pieceSize), last = static_cast<double>(n * pieceSize);
        if (!lib().split(in.c_str(), (base + "." + std::to_string(n)).c_str(), first, last, n, count)) return 0;
    }
    return count;
}

std::string joined(const std::string& base, int count) {
    std::string all;
    for (int n = 1; n <= count; ++n) all += readFile(base + "." + std::to_string(n));
    return all;
}

std::string sizeText(const std::string& path, unsigned char* result = nullptr) {
    char text[32];
    memset(text, 'x', sizeof text);
    unsigned char r = lib().bigFileSize(path.c_str(), text);
    if (result) *result = r;
    return std::string(text);
}

}  // namespace

TEST(Library, LoadsByNameWithBothFunctions) {
    ASSERT_NE(lib().dll, nullptr);
    EXPECT_NE(lib().split, nullptr);
    EXPECT_NE(lib().bigFileSize, nullptr);
}

TEST(Library, PiecesJoinedEqualTheInput) {
    TempDir dir;
    const struct {
        size_t fileSize, pieceSize;
    } cases[] = {
        {10, 3},                 // odd sizes, a short last piece
        {1000000, 1000000},      // a million bytes, one piece
        {1000001, 1000000},      // one byte past it
        {3000001, 1000001},      // pieces that end inside a chunk
        {2500000, 1250000},      // two equal pieces, several chunks each
        {65536, 65536},          // one 64 KiB copy chunk, one piece
        {65537, 65536},          // one byte past it
        {196609, 65537},         // pieces that straddle those chunks
    };
    int k = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.fileSize) + " in " + std::to_string(c.pieceSize));
        const std::string in = dir / ("in" + std::to_string(k)), base = dir / ("p" + std::to_string(k));
        ++k;
        const std::string bytes = patternBytes(c.fileSize, static_cast<unsigned>(k));
        writeFile(in, bytes);
        int count = splitAll(in, base, c.fileSize, c.pieceSize);
        ASSERT_GT(count, 0);
        EXPECT_EQ(readFile(base + ".1").size(), std::min(c.fileSize, c.pieceSize));
        EXPECT_TRUE(joined(base, count) == bytes);
        EXPECT_TRUE(readFile(in) == bytes);  // the input is only read
    }
}

TEST(Library, RangesPastTheEndAndEmptyRanges) {
    TempDir dir;
    const std::string in = dir / "in", bytes = patternBytes(1500);
    writeFile(in, bytes);
    RealDialogAnswerer boxes;

    // A range past the end copies what is left; one that starts at the end is empty.
    EXPECT_EQ(lib().split(in.c_str(), (dir / "a").c_str(), 0, 1000, 1, 3), 1);
    EXPECT_EQ(lib().split(in.c_str(), (dir / "b").c_str(), 1000, 2000, 2, 3), 1);
    EXPECT_EQ(lib().split(in.c_str(), (dir / "c").c_str(), 2000, 3000, 3, 3), 1);
    EXPECT_EQ(readFile(dir / "a"), bytes.substr(0, 1000));
    EXPECT_EQ(readFile(dir / "b"), bytes.substr(1000));
    EXPECT_TRUE(fileExists(dir / "c"));
    EXPECT_EQ(readFile(dir / "c"), "");
    EXPECT_TRUE(boxes.seen().empty());

    // A range of no bytes, or a backward one, is refused and ends the run.
    EXPECT_EQ(lib().split(in.c_str(), (dir / "d").c_str(), 500, 500, 1, 2), 0);
    EXPECT_EQ(lib().split(in.c_str(), (dir / "e").c_str(), 600, 500, 1, 2), 0);
    ASSERT_EQ(boxes.seen().size(), 2u);
    for (const SeenDialog& b : boxes.seen()) {
        EXPECT_EQ(b.caption, "Error:");
        EXPECT_EQ(b.text, "Last byte is less than first byte");
        EXPECT_EQ(b.buttons, std::vector<std::string>{"OK"});
    }
    EXPECT_TRUE(fileExists(dir / "d"));
    EXPECT_EQ(readFile(dir / "d"), "");

    // One piece of one: opened and closed in the same call, so the input
    // can be removed right after.
    EXPECT_EQ(lib().split(in.c_str(), (dir / "f").c_str(), 0, 1500, 1, 1), 1);
    EXPECT_EQ(readFile(dir / "f"), bytes);
    EXPECT_TRUE(DeleteFileA(in.c_str()));
}

TEST(Library, PiecesAlreadyThereAreReplaced) {
    TempDir dir;
    const std::string in = dir / "in", bytes = patternBytes(3000);
    writeFile(in, bytes);
    writeFile(dir / "p.1", std::string(5000, 'x'));  // longer than the new piece
    // A hard link to a document elsewhere: the piece takes the name, the document keeps its bytes.
    writeFile(dir / "thesis.doc", "the caller's thesis");
    ASSERT_TRUE(CreateHardLinkA((dir / "p.2").c_str(), (dir / "thesis.doc").c_str(), nullptr));
    RealDialogAnswerer boxes;
    EXPECT_EQ(splitAll(in, dir / "p", 3000, 1500), 2);
    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_TRUE(readFile(dir / "p.1") == bytes.substr(0, 1500));
    EXPECT_EQ(readFile(dir / "p.2"), bytes.substr(1500));
    EXPECT_EQ(readFile(dir / "thesis.doc"), "the caller's thesis");

    // A name taken by a folder is refused for the reason the system gives.
    ASSERT_TRUE(CreateDirectoryA((dir / "p.3").c_str(), nullptr));
    const size_t before = boxes.seen().size();
    EXPECT_EQ(lib().split(in.c_str(), (dir / "p.3").c_str(), 0, 1500, 1, 2), 0);
    ASSERT_EQ(boxes.seen().size(), before + 1);
    EXPECT_EQ(boxes.seen().back().caption, "Cannot Create:");
    EXPECT_EQ(boxes.seen().back().text, dir / "p.3" + "\r\nAccess is denied.");
}

TEST(Library, FailuresAreToldAndReturnZero) {
    TempDir dir;
    const std::string in = dir / "in", bytes = patternBytes(4000);
    writeFile(in, bytes);
    RealDialogAnswerer boxes;

    // An input that cannot be opened: nothing is created.
    const std::string missing = dir / "missing.bin";
    EXPECT_EQ(lib().split(missing.c_str(), (dir / "x.S01").c_str(), 0, 10, 1, 2), 0);
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].caption, "Cannot Open:");
    EXPECT_EQ(boxes.seen()[0].text, missing);
    EXPECT_FALSE(fileExists(dir / "x.S01"));

    // A piece that cannot be created (its folder is missing) is named, and the
    // run is over: the input is closed, so it can be deleted.
    writeFile(dir / "in2", bytes);
    const std::string nowhere = dir / "no-such-folder\\x.S01";
    EXPECT_EQ(lib().split((dir / "in2").c_str(), nowhere.c_str(), 0, 1000, 1, 2), 0);
    ASSERT_EQ(boxes.seen().size(), 2u);
    EXPECT_EQ(boxes.seen()[1].caption, "Cannot Create:");
    EXPECT_EQ(boxes.seen()[1].text.substr(0, nowhere.size() + 2), nowhere + "\r\n");
    EXPECT_TRUE(DeleteFileA((dir / "in2").c_str()));

    // A new run after a failed one starts at the start of its input.
    EXPECT_EQ(lib().split(in.c_str(), (dir / "y.1").c_str(), 0, 3000, 1, 2), 1);
    EXPECT_EQ(lib().split(in.c_str(), (dir / "y.2").c_str(), 3000, 6000, 2, 2), 1);
    EXPECT_EQ(readFile(dir / "y.1") + readFile(dir / "y.2"), bytes);
}

TEST(Library, DiskFullIsAFailure) {
    const char* mount = getenv("CLEAVO_TMPFS");
    if (!mount) GTEST_SKIP() << "CLEAVO_TMPFS is not set: run through ctest, which mounts the small tmpfs";
    const std::string folder = unixToWine(mount);
    ULARGE_INTEGER avail = {}, total = {}, free = {};
    if (!GetDiskFreeSpaceExA((folder + "\\").c_str(), &avail, &total, &free) || total.QuadPart > (16u << 20))
        GTEST_SKIP() << folder << " is not the small tmpfs (its mount was refused), so there is no small disk to fill";

    TempDir dir;
    const std::string in = dir / "in";
    const size_t size = static_cast<size_t>(total.QuadPart) + 2000000;
    writeFile(in, patternBytes(size));
    const std::string piece = folder + "\\full.S01";
    RealDialogAnswerer boxes;
    EXPECT_EQ(lib().split(in.c_str(), piece.c_str(), 0, static_cast<double>(size), 1, 2), 0);
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].caption, "Cannot Write:");
    EXPECT_EQ(boxes.seen()[0].text, piece + "\r\nThere is not enough space on the disk.");
    // Both files are closed: the input and the partial piece can be removed.
    EXPECT_TRUE(DeleteFileA(in.c_str()));
    EXPECT_TRUE(DeleteFileA(piece.c_str()));
}

TEST(Library, CountsPastFourGigabytesStayExact) {
    // The input is never positioned: firstByte only seeds the count. A count
    // that wrapped at 2^32 would copy on far past lastByte.
    TempDir dir;
    const std::string in = dir / "in", bytes = patternBytes(3000);
    writeFile(in, bytes);
    const double four = 4294967296.0;
    EXPECT_EQ(lib().split(in.c_str(), (dir / "a").c_str(), four - 500, four + 500, 1, 3), 1);
    EXPECT_EQ(lib().split(in.c_str(), (dir / "b").c_str(), four + 500, four + 1500, 2, 3), 1);
    EXPECT_EQ(lib().split(in.c_str(), (dir / "c").c_str(), 5e9, 5e9 + 1000, 3, 3), 1);
    EXPECT_EQ(readFile(dir / "a"), bytes.substr(0, 1000));
    EXPECT_EQ(readFile(dir / "b"), bytes.substr(1000, 1000));
    EXPECT_EQ(readFile(dir / "c"), bytes.substr(2000, 1000));
}

TEST(Library, FiveGigabyteFileAcrossTheFourGigabyteBoundary) {
    // A sparse file of 5 GiB with a mark around 2^32; the pieces that do not
    // matter go to NUL, so only the marked piece takes disk space.
    TempDir dir;
    const std::string in = dir / "big.bin";
    const uint64_t size = 5ull << 30, edge = 4294967296ull;
    makeSparseFile(in, size);
    const std::string mark = patternBytes(1000, 9);
    HANDLE h = CreateFileA(in.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(edge - 500);
    SetFilePointerEx(h, at, nullptr, FILE_BEGIN);
    DWORD written = 0;
    WriteFile(h, mark.data(), 1000, &written, nullptr);
    CloseHandle(h);
    ASSERT_EQ(written, 1000u);

    EXPECT_EQ(sizeText(in), "         5368709120");
    const double e = static_cast<double>(edge);
    EXPECT_EQ(lib().split(in.c_str(), "NUL", 0, e - 600, 1, 3), 1);
    EXPECT_EQ(lib().split(in.c_str(), (dir / "edge").c_str(), e - 600, e + 600, 2, 3), 1);
    EXPECT_EQ(lib().split(in.c_str(), "NUL", e + 600, static_cast<double>(size), 3, 3), 1);
    EXPECT_TRUE(readFile(dir / "edge") == std::string(100, '\0') + mark + std::string(100, '\0'));
}

TEST(Library, BigFileSizeTexts) {
    TempDir dir;
    writeFile(dir / "empty", "");
    makeSparseFile(dir / "ten-digits", 1234567890ull);
    writeFile(dir / "small", "12345");
    unsigned char r = 9;
    EXPECT_EQ(sizeText(dir / "empty", &r), std::string(18, ' ') + "0");
    EXPECT_EQ(r, 1);
    EXPECT_EQ(sizeText(dir / "ten-digits"), std::string(9, ' ') + "1234567890");
    EXPECT_EQ(sizeText(dir / "small"), std::string(18, ' ') + "5");

    // A file that cannot be queried reports no size.
    RealDialogAnswerer boxes;
    const std::string missing = dir / "missing";
    sizeText(missing, &r);
    EXPECT_EQ(r, 0);
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].caption, "Cannot Open:");
    EXPECT_EQ(boxes.seen()[0].text, missing);
}
