// One piece as the library leaves it: kept only when it is a disk file of
// exactly its length, deleted when the library could not finish it.
#pragma once
#include <cstdint>
#include <string>

#include "platform/files.h"

namespace split {

// Taken just before the library writes a piece, so that what the call left
// can be told from a file it never touched.
class PieceWatch {
public:
    explicit PieceWatch(const std::string& path);

    // After a failed call: deletes what the call left of the piece. A file
    // the call never reached (the input could not be opened, the piece not
    // created) stays as it was.
    void dropUnfinished() const;

    // After a call that reported success: empty when the piece is a disk file
    // of exactly `length` bytes, else the message that stops the run (a
    // wrong-length file is deleted first).
    std::string notWhole(uint64_t length) const;

private:
    std::string path_;
    bool existed_;
    platform::FileStamp before_;
};

// The bytes of [start, end) that a file of fileSize bytes holds.
uint64_t pieceLength(int64_t start, int64_t end, int64_t fileSize);

}  // namespace split
