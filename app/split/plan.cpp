#include "split/plan.h"

#include <climits>
#include <cmath>

#include "platform/numbers.h"

namespace split {

namespace {

// 64 x 64 -> 128-bit product as two halves; portable (no compiler extension).
void multiplyWide(uint64_t a, uint64_t b, uint64_t& hi, uint64_t& lo) {
    const uint64_t mask = 0xFFFFFFFFu;
    uint64_t aLo = a & mask, aHi = a >> 32, bLo = b & mask, bHi = b >> 32;
    uint64_t ll = aLo * bLo, lh = aLo * bHi, hl = aHi * bLo, hh = aHi * bHi;
    uint64_t middle = (ll >> 32) + (lh & mask) + (hl & mask);
    lo = (middle << 32) | (ll & mask);
    hi = hh + (lh >> 32) + (hl >> 32) + (middle >> 32);
}

// (hi:lo) / d for hi < d, so that the quotient fits in 64 bits.
uint64_t divideWide(uint64_t hi, uint64_t lo, uint64_t d, uint64_t& remainder) {
    uint64_t quotient = 0;
    for (int bit = 0; bit < 64; ++bit) {
        bool carry = (hi >> 63) != 0;
        hi = (hi << 1) | (lo >> 63);
        lo <<= 1;
        quotient <<= 1;
        if (carry || hi >= d) {
            hi -= d;  // the true value is below 2d, so the wrapped result is exact
            quotient |= 1;
        }
    }
    remainder = hi;
    return quotient;
}

// a / b rounded to four decimals, as a whole part and a fraction in 1/10,000
// (0..9,999); a rounding up to the next whole number moves into the whole part.
struct Quotient4 {
    uint64_t whole;
    uint64_t fraction;
};

Quotient4 quotient4(uint64_t a, uint64_t b) {
    uint64_t whole = a / b, rest = a % b;
    uint64_t hi, lo, remainder;
    multiplyWide(rest, 10000, hi, lo);
    uint64_t fraction = divideWide(hi, lo, b, remainder);  // rest < b, so hi < b
    if (remainder >= b - remainder) ++fraction;            // halves up
    if (fraction == 10000) {
        ++whole;
        fraction = 0;
    }
    return {whole, fraction};
}

// The plan as decided at a line of the click, refused or not.
Plan decidedAt(PlanOutcome outcome, int line, int64_t pieceSize = 0, int pieceCount = 0) {
    Plan plan;
    plan.outcome = outcome;
    plan.line = line;
    plan.pieceSize = pieceSize;
    plan.pieceCount = pieceCount;
    return plan;
}

// The checks every split type ends in.
Plan finish(int64_t pieceSize, uint64_t pieceCount, int maxFiles) {
    int count = pieceCount > static_cast<uint64_t>(INT_MAX) ? INT_MAX : static_cast<int>(pieceCount);
    if (pieceCount > static_cast<uint64_t>(maxFiles))
        return decidedAt(PlanOutcome::kTooManyFiles, 510, pieceSize, count);
    if (pieceCount == 1) return decidedAt(PlanOutcome::kOneFile, 515, pieceSize, count);
    return decidedAt(PlanOutcome::kOk, 500, pieceSize, count);
}

Plan planFixed(const SplitTypeInfo& type, uint64_t fileSize, int maxFiles) {
    const int base = type.lineBase;
    const uint64_t medium = static_cast<uint64_t>(type.mediumSize);
    Quotient4 q = quotient4(fileSize, medium);
    // The rounded quotient plus one above 99.
    if (q.whole > 98 || (q.whole == 98 && q.fraction > 0)) return decidedAt(PlanOutcome::kTooManySplits, base + 295);
    uint64_t count = q.whole + 1;
    if (fileSize % medium == 0) --count;
    return finish(static_cast<int64_t>(medium), count, maxFiles);
}

Plan planEqualSize(uint64_t fileSize, double typedSize, int maxFiles) {
    if (typedSize == 0) return decidedAt(PlanOutcome::kDivisionByZero, 390);
    if (!(typedSize >= 1)) return decidedAt(PlanOutcome::kSizeBelowOne, 380);  // NaN too
    // Beyond the int64 range no file can be as large.
    if (typedSize >= 9223372036854775808.0) return decidedAt(PlanOutcome::kSizeLargerThanFile, 395);
    uint64_t typed = static_cast<uint64_t>(std::floor(typedSize));
    if (typed > fileSize) return decidedAt(PlanOutcome::kSizeLargerThanFile, 395, static_cast<int64_t>(typed));
    uint64_t count = quotient4(fileSize, typed).whole + 1;
    if (fileSize % typed == 0) --count;
    return finish(static_cast<int64_t>(typed), count, maxFiles);
}

Plan planIntoYFiles(uint64_t fileSize, double yCount, int maxFiles) {
    double count = platform::roundHalfAway(yCount);
    if (count == 0) return decidedAt(PlanOutcome::kDivisionByZero, 430);
    if (!(count >= 1)) return decidedAt(PlanOutcome::kOneFile, 515);  // negative or NaN
    if (count > maxFiles) return decidedAt(PlanOutcome::kTooManyFiles, 510, 0, count >= INT_MAX ? INT_MAX : static_cast<int>(count));
    uint64_t pieces = static_cast<uint64_t>(count);
    uint64_t pieceSize = quotient4(fileSize, pieces).whole;
    if (pieceSize * pieces != fileSize) ++pieceSize;
    return finish(static_cast<int64_t>(pieceSize), pieces, maxFiles);
}

}  // namespace

int64_t mediumSize(int splitType) {
    const SplitTypeInfo* info = splitTypeInfo(splitType);
    return info ? info->mediumSize : 0;
}

int64_t unitBytes(int unitOption) {
    switch (unitOption) {
    case 0: return 1;
    case 1: return 1024;
    default: return 1048576;
    }
}

uint64_t q4Scaled(uint64_t a, uint64_t b) {
    Quotient4 q = quotient4(a, b);
    if (q.whole > (UINT64_MAX - q.fraction) / 10000) return UINT64_MAX;
    return q.whole * 10000 + q.fraction;
}

Plan planPieces(const PlanRequest& request) {
    if (request.fileSize <= 0) return decidedAt(PlanOutcome::kEmptyFile, 160);
    uint64_t fileSize = static_cast<uint64_t>(request.fileSize);
    // No option chosen plans as the type start-up selects, never as a plan of 0 pieces.
    const SplitTypeInfo& type = splitTypeOrDefault(request.splitType);
    switch (type.extra) {
    case ExtraInput::kTypedSize: return planEqualSize(fileSize, request.typedSize, request.maxFiles);
    case ExtraInput::kPieceCount: return planIntoYFiles(fileSize, request.yCount, request.maxFiles);
    case ExtraInput::kNone: break;
    }
    return planFixed(type, fileSize, request.maxFiles);
}

Plan planRestInPiecesOf(int64_t left, int64_t largest, int nextPiece) {
    const int written = nextPiece - 1;
    // After a pause a rest that fits in one piece is that one piece.
    if (written > 0 && left <= largest) return decidedAt(PlanOutcome::kOk, 500, largest, written + 1);
    PlanRequest request;
    request.splitType = kEqualSize;
    request.fileSize = left;
    request.typedSize = static_cast<double>(largest);
    request.maxFiles = kMaxPieces - written;
    Plan plan = planPieces(request);
    plan.pieceCount += written;
    return plan;
}

int64_t largestFileOn(const std::string& fileSystem) {
    std::string name;
    for (char c : fileSystem) name += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (name == "FAT" || name == "FAT12" || name == "FAT16" || name == "FAT32") return 4294967295LL;
    return INT64_MAX;
}

}  // namespace split
