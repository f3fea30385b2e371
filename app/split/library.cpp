#include "split/library.h"

#include <windows.h>

#include <vector>

// The program binds the library by name: signatures only.
#define CLEAVO_BIND_BY_NAME
#include "cleavo.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/off_thread.h"
#include "platform/late_bound.h"

namespace split {

namespace {
platform::LateBound splitEntry("cleavo.dll", "split");
platform::LateBound bigFileSizeEntry("cleavo.dll", "BigFileSize");

typedef BOOL(WINAPI* FreeSpaceExFn)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
typedef BOOL(WINAPI* FreeSpaceFn)(LPCSTR, LPDWORD, LPDWORD, LPDWORD, LPDWORD);
platform::LateBound freeSpaceExEntry("kernel32", "GetDiskFreeSpaceExA");
platform::LateBound freeSpaceEntry("kernel32", "GetDiskFreeSpaceA");
}  // namespace

bool copyPiece(const std::string& inPath, const std::string& piecePath, int64_t first, int64_t last, int pieceNo,
               int pieceCount) {
    SplitFn fn = splitEntry.as<SplitFn>();
    // Byte counts cross as 64-bit floats: exact up to 2^53, far beyond any file.
    return fn(inPath.c_str(), piecePath.c_str(), static_cast<double>(first), static_cast<double>(last), pieceNo,
              pieceCount) != 0;
}

bool bigFileSize(const std::string& inPath, std::string& sizeText) {
    BigFileSizeFn fn = bigFileSizeEntry.as<BigFileSizeFn>();
    // The library writes up to 19 characters and a NUL; the spare bytes keep
    // a longer answer from running past the buffer.
    std::vector<char> buffer(32, ' ');
    buffer[20] = '\0';
    // Its "Cannot Open:" box is the window's own, modal to it.
    platform::BoxesOwnedBy owned(platform::boxOwner());
    bool ok = fn(inPath.c_str(), buffer.data()) != 0;
    buffer.back() = '\0';
    sizeText.assign(buffer.data());
    return ok;
}

int64_t freeBytesIn(const std::string& folder) {
    // The folder itself, not its drive's root: a junction or mount point
    // there may lead to another volume.
    std::string root = platform::withBackslash(folder);
    try {
        ULARGE_INTEGER available = {}, total = {}, totalFree = {};
        if (freeSpaceExEntry.as<FreeSpaceExFn>()(root.c_str(), &available, &total, &totalFree))
            return static_cast<int64_t>(available.QuadPart);
    } catch (...) {
    }
    try {
        DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
        freeSpaceEntry.as<FreeSpaceFn>()(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                                         &totalClusters);
        return static_cast<int64_t>(sectorsPerCluster) * bytesPerSector * freeClusters;
    } catch (...) {
    }
    return 0;
}

}  // namespace split
