// Piece size and count for each split type: pure arithmetic, no window.
#pragma once
#include <cstdint>
#include <string>

#include "split/names.h"
#include "split/split_types.h"

namespace split {

// Fixed medium size of a split type in bytes (from split_types); 0 for the
// types with an extra input and for unknown types.
int64_t mediumSize(int splitType);

// Bytes per unit of the typed size: option 0 bytes, 1 KB, anything else MB.
int64_t unitBytes(int unitOption);

// a / b rounded to four decimal places (halves up), times 10,000, exact for all
// non-negative 64-bit a and positive b (no floating point involved); a result
// beyond the 64-bit range (a quotient above 1.8e15) gives UINT64_MAX.
uint64_t q4Scaled(uint64_t a, uint64_t b);

struct PlanRequest {
    int splitType = kZip;
    int64_t fileSize = 0;
    // A typed size's type: the typed number rounded to a whole number (halves away
    // from zero) times the unit's bytes; a double so that huge typed values
    // cannot wrap.
    double typedSize = 0;
    // A piece count's type: the chosen number of pieces, rounded to a whole number.
    double yCount = 0;
    // The most pieces a batch file rejoins (the window's maxFiles).
    int maxFiles = kMaxPieces;
};

enum class PlanOutcome {
    kOk,
    kEmptyFile,           // refused: nothing to split
    kTooManySplits,       // fixed size: "Too many splits!  Maximum of 99."
    kSizeBelowOne,        // equal size: typed size negative
    kSizeLargerThanFile,  // equal size: "The split size is larger than the file!"
    kTooManyFiles,        // "Too many files to re-combine!" CR LF "99 files is the maximum"
    kOneFile,             // "Cleavo will not split into 1 file."
    kDivisionByZero,      // typed size 0 or a count of 0: a run-time error 11
};

struct Plan {
    PlanOutcome outcome = PlanOutcome::kOk;
    int64_t pieceSize = 0;
    int pieceCount = 0;  // valid for kOk
    int line = 0;        // the click's line number where the outcome was decided
};

// Works out the plan; never overflows, whatever the request.
// Odd requests: a file size of 0 or below is kEmptyFile; a split type the
// table does not hold (no option chosen) plans as kDefaultSplitType, never
// as a plan of 0 pieces; a negative piece count is kOneFile, above 99
// kTooManyFiles.
// Piece counts follow the quotient rounded to four decimals, so a file just
// short of a whole number of pieces (and "into Y" with more pieces than the
// size needs) plans pieces that stay empty.
Plan planPieces(const PlanRequest& request);

// The rest of a file, `left` bytes from piece nextPiece on, in pieces of at
// most `largest` bytes, planned by the rule of "Split for Equal size": on
// kOk the piece size and the whole run's piece count (the pieces before
// nextPiece included), else why not (more than 99 pieces in all, say).
Plan planRestInPiecesOf(int64_t left, int64_t largest, int nextPiece);

// Files larger than this are questioned before the split.
const int64_t kQuestionAbove = 1004318710;

// The largest file a file system holds: 4,294,967,295 bytes on FAT, FAT12,
// FAT16 and FAT32 (case ignored), no limit (INT64_MAX) on any other.
int64_t largestFileOn(const std::string& fileSystem);

}  // namespace split
