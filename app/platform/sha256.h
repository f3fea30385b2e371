// SHA-256 (FIPS 180-4), fed in any number of parts. Uses the processor's SHA
// instructions where it has them, else portable code of the same result.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

using Sha256Digest = std::array<uint8_t, 32>;

class Sha256 {
public:
    Sha256();
    void add(const void* bytes, size_t size);
    // The digest of everything added; the object starts afresh afterwards.
    Sha256Digest finish();

private:
    uint32_t state_[8];
    uint8_t block_[64];
    size_t buffered_ = 0;
    uint64_t total_ = 0;
    void reset();
};

// 64 lowercase hex digits, as sha256sum prints them.
std::string hexDigest(const Sha256Digest& digest);

// True when this processor runs the SHA instructions (then Sha256 uses them).
bool sha256InHardware();

}  // namespace platform
