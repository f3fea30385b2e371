#include "platform/sha256.h"

#include <cstring>

#if defined(_M_IX86) || defined(_M_X64) || defined(__i386__) || defined(__x86_64__)
#define CLEAVO_SHA_NI 1
#include <immintrin.h>
#ifdef _MSC_VER
#include <intrin.h>
#define CLEAVO_TARGET_SHA
#else
#include <cpuid.h>
#define CLEAVO_TARGET_SHA __attribute__((target("sha,sse4.1,ssse3")))
#endif
#endif

namespace platform {

namespace {

const uint32_t kRound[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

inline uint32_t rotr(uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

void blocksPortable(uint32_t* state, const uint8_t* data, size_t blocks) {
    for (; blocks > 0; --blocks, data += 64) {
        uint32_t w[64];
        for (int t = 0; t < 16; ++t)
            w[t] = (uint32_t(data[4 * t]) << 24) | (uint32_t(data[4 * t + 1]) << 16) |
                   (uint32_t(data[4 * t + 2]) << 8) | data[4 * t + 3];
        for (int t = 16; t < 64; ++t) {
            uint32_t s0 = rotr(w[t - 15], 7) ^ rotr(w[t - 15], 18) ^ (w[t - 15] >> 3);
            uint32_t s1 = rotr(w[t - 2], 17) ^ rotr(w[t - 2], 19) ^ (w[t - 2] >> 10);
            w[t] = w[t - 16] + s0 + w[t - 7] + s1;
        }
        uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
        uint32_t e = state[4], f = state[5], g = state[6], h = state[7];
        for (int t = 0; t < 64; ++t) {
            uint32_t t1 = h + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) + kRound[t] + w[t];
            uint32_t t2 = (rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
            h = g;
            g = f;
            f = e;
            e = d + t1;
            d = c;
            c = b;
            b = a;
            a = t1 + t2;
        }
        state[0] += a;
        state[1] += b;
        state[2] += c;
        state[3] += d;
        state[4] += e;
        state[5] += f;
        state[6] += g;
        state[7] += h;
    }
}

#ifdef CLEAVO_SHA_NI
// Intel's SHA extensions: the state held as ABEF and CDGH, four rounds per
// pair of sha256rnds2, the message schedule by sha256msg1/msg2.
CLEAVO_TARGET_SHA void blocksSha(uint32_t* state, const uint8_t* data, size_t blocks) {
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
    __m128i tmp = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0xB1);  // CDAB
    __m128i efgh = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4)), 0x1B);
    __m128i abef = _mm_alignr_epi8(tmp, efgh, 8);
    __m128i cdgh = _mm_blend_epi16(efgh, tmp, 0xF0);
    for (; blocks > 0; --blocks, data += 64) {
        const __m128i abefSaved = abef, cdghSaved = cdgh;
        __m128i w[4];
        // Unrolled, the schedule stays in registers: twice the speed here.
#ifdef __GNUC__
#pragma GCC unroll 16
#endif
        for (int g = 0; g < 16; ++g) {
            __m128i& cur = w[g & 3];
            if (g < 4) {
                cur = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * g)), byteSwap);
            } else {
                // w[g-4] is cur itself, w[g-3], w[g-2], w[g-1] the others.
                const __m128i& w3 = w[(g - 3) & 3];
                const __m128i& w2 = w[(g - 2) & 3];
                const __m128i& w1 = w[(g - 1) & 3];
                cur = _mm_sha256msg2_epu32(
                    _mm_add_epi32(_mm_sha256msg1_epu32(cur, w3), _mm_alignr_epi8(w1, w2, 4)), w1);
            }
            __m128i m = _mm_add_epi32(cur, _mm_loadu_si128(reinterpret_cast<const __m128i*>(kRound + 4 * g)));
            cdgh = _mm_sha256rnds2_epu32(cdgh, abef, m);
            abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(m, 0x0E));
        }
        abef = _mm_add_epi32(abef, abefSaved);
        cdgh = _mm_add_epi32(cdgh, cdghSaved);
    }
    tmp = _mm_shuffle_epi32(abef, 0x1B);                   // FEBA
    cdgh = _mm_shuffle_epi32(cdgh, 0xB1);                  // DCHG
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_blend_epi16(tmp, cdgh, 0xF0));     // DCBA
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), _mm_alignr_epi8(cdgh, tmp, 8));    // HGFE
}

bool detectShaInstructions() {
#ifdef _MSC_VER
    int r[4];
    __cpuid(r, 0);
    if (r[0] < 7) return false;
    __cpuid(r, 1);
    const unsigned ecx1 = static_cast<unsigned>(r[2]);
    __cpuidex(r, 7, 0);
    const unsigned ebx7 = static_cast<unsigned>(r[1]);
#else
    unsigned a, b, c, d;
    if (__get_cpuid_max(0, nullptr) < 7) return false;
    __cpuid(1, a, b, c, d);
    const unsigned ecx1 = c;
    __cpuid_count(7, 0, a, b, c, d);
    const unsigned ebx7 = b;
#endif
    const bool ssse3 = (ecx1 >> 9) & 1, sse41 = (ecx1 >> 19) & 1, sha = (ebx7 >> 29) & 1;
    return ssse3 && sse41 && sha;
}
#endif

void blocks(uint32_t* state, const uint8_t* data, size_t count) {
#ifdef CLEAVO_SHA_NI
    static const bool hardware = detectShaInstructions();
    if (hardware) return blocksSha(state, data, count);
#endif
    blocksPortable(state, data, count);
}

}  // namespace

bool sha256InHardware() {
#ifdef CLEAVO_SHA_NI
    return detectShaInstructions();
#else
    return false;
#endif
}

Sha256::Sha256() { reset(); }

void Sha256::reset() {
    static const uint32_t initial[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                        0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::memcpy(state_, initial, sizeof state_);
    buffered_ = 0;
    total_ = 0;
}

void Sha256::add(const void* bytes, size_t size) {
    const uint8_t* p = static_cast<const uint8_t*>(bytes);
    total_ += size;
    if (buffered_ > 0) {
        size_t take = size < 64 - buffered_ ? size : 64 - buffered_;
        std::memcpy(block_ + buffered_, p, take);
        buffered_ += take;
        p += take;
        size -= take;
        if (buffered_ < 64) return;
        blocks(state_, block_, 1);
        buffered_ = 0;
    }
    if (size >= 64) {
        blocks(state_, p, size / 64);
        p += size - size % 64;
        size %= 64;
    }
    std::memcpy(block_, p, size);
    buffered_ = size;
}

Sha256Digest Sha256::finish() {
    const uint64_t bits = total_ * 8;
    uint8_t pad[72] = {0x80};
    size_t padLength = (buffered_ < 56 ? 56 : 120) - buffered_;
    for (int i = 0; i < 8; ++i) pad[padLength + i] = static_cast<uint8_t>(bits >> (56 - 8 * i));
    add(pad, padLength + 8);
    Sha256Digest digest;
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 4; ++j) digest[4 * i + j] = static_cast<uint8_t>(state_[i] >> (24 - 8 * j));
    reset();
    return digest;
}

std::string hexDigest(const Sha256Digest& digest) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (uint8_t b : digest) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

}  // namespace platform
