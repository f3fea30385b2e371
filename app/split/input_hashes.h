// The SHA-256 of every piece and of the whole input, taken from the input's
// own bytes right after each piece is written: a piece damaged later on its
// disk then fails the receiver's check.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/sha256.h"

namespace split {

struct PieceDigest {
    int64_t size = 0;
    std::string hex;  // 64 lowercase hex digits
};

class InputHashes {
public:
    // Hashes bytes [first, last) of the input, the next piece in order; the
    // whole file's hash takes the same bytes on a second thread meanwhile.
    // Run-time errors when the input cannot be read.
    void addPiece(const std::string& inPath, int64_t first, int64_t last);
    const std::vector<PieceDigest>& pieces() const { return pieces_; }
    // The whole input's hash, once every piece is added.
    std::string wholeHex() { return platform::hexDigest(whole_.finish()); }

private:
    platform::Sha256 whole_;
    std::vector<PieceDigest> pieces_;
};

}  // namespace split
