#include "split/input_hashes.h"

#include "platform/files.h"

namespace split {

InputHashes::~InputHashes() {
    if (pending_.joinable()) pending_.join();  // a run that ends early drops what it was hashing
}

void InputHashes::addPiece(const std::string& inPath, int64_t first, int64_t last) {
    settle();  // the whole file's hash takes the pieces in order
    pending_ = std::thread([this, inPath, first, last] {
        try {
            hashPiece(inPath, first, last);
        } catch (...) {
            failure_ = std::current_exception();
        }
    });
}

void InputHashes::settle() {
    if (pending_.joinable()) pending_.join();
    if (failure_) {
        std::exception_ptr f = failure_;
        failure_ = nullptr;
        std::rethrow_exception(f);
    }
}

void InputHashes::hashPiece(const std::string& inPath, int64_t first, int64_t last) {
    // Two hashes of the same bytes: side by side they cost little more than one.
    std::exception_ptr wholeFailed;
    std::thread whole([&] {
        try {
            platform::readRange(inPath, first, last, [&](const char* p, size_t n) { whole_.add(p, n); });
        } catch (...) {
            wholeFailed = std::current_exception();
        }
    });
    platform::Sha256 piece;
    try {
        platform::readRange(inPath, first, last, [&](const char* p, size_t n) { piece.add(p, n); });
    } catch (...) {
        whole.join();
        throw;
    }
    whole.join();
    if (wholeFailed) std::rethrow_exception(wholeFailed);
    pieces_.push_back({last - first, platform::hexDigest(piece.finish())});
}

}  // namespace split
