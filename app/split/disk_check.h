// Whether a folder takes a job's files from a given piece on: the one check
// of the output folder before the first piece and of each new disk after a
// pause. Nothing here writes a byte; what must go first goes with clearNames().
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "split/question.h"

namespace split {

struct SplitJob;

// Where the run stands when a disk is checked: the first piece the disk
// takes and the byte of the input that piece begins at.
struct DiskPlace {
    int firstPiece = 1;
    int64_t start = 0;
};

struct DiskVerdict {
    enum class Kind {
        kTakes,     // the folder takes the files once removeFirst is gone
        kDeclined,  // the user kept what is there, or did not want the folder made or smaller pieces
        kRefused,   // why says what stands against it
        kTooSmall,  // why is the report of the room it lacks
    } kind;
    std::string why;
    Severity severity = Severity::kPlain;
    // The split's own names in the folder that go before the first byte: an
    // earlier split of this file, what the user agreed to replace, old pieces
    // "Delete partial" removes.
    std::vector<std::string> removeFirst;
    // The user took pieces of this many bytes from this disk on, the largest
    // its file system holds (a FAT32 stick), and the run's piece count with
    // them; 0 when the job's pieces stay.
    int64_t smallerPieceSize = 0;
    int pieceCount = 0;

    explicit DiskVerdict(Kind kind, std::string why = "", Severity severity = Severity::kPlain)
        : kind(kind), why(std::move(why)), severity(severity) {}
};

// Checks the job's folder for the files from place on, in this order: the
// folder is there (or the user has it made); its file system holds the
// pieces (else, where the rest then fits in 99 pieces, the user is offered
// pieces of the largest size it holds); it can be listed and nothing stands
// in the way; the user agrees to replace another file's split or files of
// their own; and it has room for what it must hold, counting what goes first.
// With Pause that is the next piece, and the records on the last piece's
// disk; without, the rest of the file and the records. The listing is read
// while the window answers.
DiskVerdict checkDisk(const SplitJob& job, const DiskPlace& place, DiskView& view);

// Takes the smaller pieces the user chose on this disk into the job; false
// when the verdict carries none.
bool takeSmallerPieces(SplitJob& job, const DiskVerdict& disk);

// Removes the job's names listed in `names`; the input, reached by whatever
// name, is never removed. Empty when all are gone, else the message naming
// the first that would not go (nothing after it is touched), or a name still
// taken after its removal.
std::string clearNames(const SplitJob& job, const std::vector<std::string>& names);

}  // namespace split
