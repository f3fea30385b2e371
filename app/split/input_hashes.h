// The SHA-256 of every piece and of the whole input, taken from the input's
// own bytes right after each piece is written: a piece damaged later on its
// disk then fails the receiver's check.
#pragma once
#include <cstdint>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "platform/sha256.h"

namespace split {

struct PieceDigest {
    int64_t size = 0;
    std::string hex;  // 64 lowercase hex digits
};

class InputHashes {
public:
    InputHashes() = default;
    InputHashes(const InputHashes&) = delete;
    InputHashes& operator=(const InputHashes&) = delete;
    ~InputHashes();

    // Starts hashing bytes [first, last) of the input, the next piece in
    // order, and returns: the hashes run beside the copy of the next piece.
    // The previous piece's hashes are finished first, and a run-time error of
    // theirs (the input could not be read) comes back here or from settle().
    void addPiece(const std::string& inPath, int64_t first, int64_t last);
    // Waits for the piece being hashed.
    void settle();
    const std::vector<PieceDigest>& pieces() {
        settle();
        return pieces_;
    }
    // The whole input's hash, once every piece is added.
    std::string wholeHex() {
        settle();
        return platform::hexDigest(whole_.finish());
    }

private:
    void hashPiece(const std::string& inPath, int64_t first, int64_t last);

    platform::Sha256 whole_;
    std::vector<PieceDigest> pieces_;
    std::thread pending_;
    std::exception_ptr failure_;
};

}  // namespace split
