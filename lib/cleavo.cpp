// cleavo.dll: copies one byte range of the input file into one piece file
// per call, keeping the input open from the first piece to the last.
#include "cleavo.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <errno.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// A whole number of pages, and small. Linux caches what is written in blocks
// as large as each write, each cut from the smallest free block that holds
// it. A virtual machine's host may take back the free blocks of 2 MiB and
// more, and then gives every page back only at its first touch: in 256 KiB
// writes a 1 GiB copy took 0.42 to 0.52 s in most runs here and 1.5 s in the
// one that had to cut such blocks. Smaller writes are served by more of the
// free memory in use, for Wine's few microseconds a write more: about 0.55 s
// for the same copy at 64 KiB, 0.48 s at 128 KiB.
const unsigned kChunk = 64 * 1024;

// The input of the current run; -1 while no run is open.
int inputHandle = -1;

// One copy buffer for every call, outside the stack: a chunk of automatic
// storage would overflow a thread with a small stack.
char copyBuffer[kChunk];

void closeInput() {
    if (inputHandle >= 0) _close(inputHandle);
    inputHandle = -1;
}

void tell(const std::string& text, const char* caption) {
    MessageBoxA(nullptr, text.c_str(), caption, MB_OK);
}

std::string reasonFor(int err) {
    switch (err) {
    case ENOSPC: return "There is not enough space on the disk.";
    case EACCES: return "Access is denied.";
    case ENOENT: return "The path does not exist.";
    default: {
        char text[64];
        snprintf(text, sizeof text, "System error %d.", err);
        return text;
    }
    }
}

// Writes the whole chunk. Where the runtime's write stops short it says
// little (a full disk comes back as EINVAL from some runtimes), so the rest is
// tried once through the system, whose error code then tells why.
bool writeAll(int piece, const char* data, unsigned n, int& err) {
    int put = _write(piece, data, n);
    if (put == static_cast<int>(n)) return true;
    err = put < 0 ? errno : ENOSPC;
    unsigned done = put > 0 ? static_cast<unsigned>(put) : 0;
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(piece));
    DWORD wrote = 0;
    if (h != INVALID_HANDLE_VALUE && WriteFile(h, data + done, n - done, &wrote, nullptr) && wrote == n - done)
        return true;
    DWORD code = GetLastError();
    if (code == ERROR_DISK_FULL || code == ERROR_HANDLE_DISK_FULL) err = ENOSPC;
    else if (code == ERROR_ACCESS_DENIED) err = EACCES;
    else if (wrote < n - done && code == 0) err = ENOSPC;
    return false;
}

// A failed piece ends the run: the input and the piece file are closed.
unsigned char failPiece(int piece, const char* caption, const char* path, int err) {
    tell(std::string(path) + "\r\n" + reasonFor(err), caption);
    if (piece >= 0) _close(piece);
    closeInput();
    return 0;
}

}  // namespace

extern "C" unsigned char __stdcall split(const char* inPath, const char* piecePath,
                                         double firstByte, double lastByte,
                                         int pieceNo, int pieceCount) {
    if (pieceNo == 1) {
        closeInput();  // a run abandoned part-way leaves nothing open behind it
        // Others may read the input while the run holds it, but not change
        // it: pieces cut from a file that changes under them hold no file.
        // Read front to back: the system reads ahead further (a 1 GiB input
        // not in the page cache was read in 0.3 s rather than 0.9 s).
        inputHandle = _sopen(inPath, _O_BINARY | _O_RDONLY | _O_SEQUENTIAL, _SH_DENYWR);
        if (inputHandle < 0) {
            tell(inPath, "Cannot Open:");
            closeInput();
            return 0;
        }
    }

    // Others may read the piece while it is written (to see how far it has
    // come), but not write it: two runs on one piece would mix their bytes.
    // A new piece is made without truncating it: Wine truncates what it
    // creates, and ext4 answers a truncation to 0 by writing the whole file
    // to disk when it is closed, while the next pieces are copied. A piece
    // already there loses its name and a new file is made: emptied in place
    // it would be written through a hard or symbolic link into a file elsewhere.
    const int share = _SH_DENYWR, mode = _S_IREAD | _S_IWRITE, create = _O_BINARY | _O_EXCL | _O_CREAT | _O_WRONLY;
    int piece = _sopen(piecePath, create, share, mode);
    if (piece < 0 && errno == EEXIST) {
        if (_unlink(piecePath) != 0) return failPiece(-1, "Cannot Create:", piecePath, errno);
        piece = _sopen(piecePath, create, share, mode);
    }
    if (piece < 0) return failPiece(piece, "Cannot Create:", piecePath, errno);

    if (!(lastByte > firstByte)) {
        tell("Last byte is less than first byte", "Error:");
        _close(piece);
        closeInput();
        return 0;
    }

    // The count is 64-bit so that ranges past 4 GiB stay exact.
    uint64_t count = firstByte > 0 ? static_cast<uint64_t>(firstByte) : 0;
    while (lastByte > static_cast<double>(count)) {
        uint64_t left = static_cast<uint64_t>(lastByte - static_cast<double>(count));
        unsigned n = left > kChunk ? kChunk : static_cast<unsigned>(left);
        int got = _read(inputHandle, copyBuffer, n);
        if (got < 0) return failPiece(piece, "Cannot Read:", inPath, errno);
        if (got == 0) break;  // the input ended before lastByte
        int err = 0;
        if (!writeAll(piece, copyBuffer, static_cast<unsigned>(got), err))
            return failPiece(piece, "Cannot Write:", piecePath, err);
        count += static_cast<unsigned>(got);
    }

    if (pieceNo == pieceCount) closeInput();
    if (_close(piece) != 0) {
        int err = errno;
        closeInput();
        return failPiece(-1, "Cannot Write:", piecePath, err);
    }
    return 1;
}

extern "C" unsigned char __stdcall BigFileSize(const char* inPath, char* sizeText) {
    memset(sizeText, 0, 20);
    struct _stati64 st;
    if (_stati64(inPath, &st) != 0) {
        tell(inPath, "Cannot Open:");
        return 0;
    }
    snprintf(sizeText, 20, "%19" PRId64, static_cast<int64_t>(st.st_size));
    sizeText[19] = 0;
    return 1;
}
