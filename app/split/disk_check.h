// Whether a folder takes a job's files from a given piece on: asked of the
// output folder before the first piece, and of each new disk after a pause.
// Nothing here writes a byte; what must go first goes with clearNames().
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "split/question.h"

namespace split {

struct SplitJob;
class SplitOutputs;

struct DiskVerdict {
    enum class Kind {
        kTakes,       // the folder takes the files once removeFirst is gone
        kDeclined,    // the user kept what is there, or did not want the folder made
        kRefused,     // why says what stands against it
        kTooSmall,    // why is the report of the room it lacks
        kFileSystem,  // its file system holds no piece of the job's size, only files of largestFile
    } kind;
    std::string why;
    unsigned icon = 0;
    // The split's own names in the folder that go before the first byte: an
    // earlier split of this file, what the user agreed to replace, old pieces
    // "Delete partial" removes.
    std::vector<std::string> removeFirst;
    // kFileSystem: the largest file the folder holds, and the question that
    // offers pieces of that size.
    int64_t largestFile = 0;
    std::string offer;

    explicit DiskVerdict(Kind kind, std::string why = "", unsigned icon = 0)
        : kind(kind), why(std::move(why)), icon(icon) {}
};

// Checks the job's folder for pieces firstPiece to the last and the records,
// in this order: the folder is there (or the user has it made), it can be
// listed, it has room for `room` bytes besides what goes first, nothing
// stands in the way and its file system holds pieces of the job's size, and
// the user agrees to replace another file's split or files of their own.
DiskVerdict checkDisk(const SplitJob& job, int firstPiece, int64_t room, Asks& asks);

// The folder's free bytes with those of the files that go before the first
// byte without a question: the old pieces "Delete partial" removes and an
// earlier split of the same file. What the user is asked to replace counts
// once agreed, in checkDisk.
int64_t freeBytesBeforeAsking(const SplitJob& job);

// Removes the job's names listed in `names`; the input, reached by whatever
// name, is never removed. Empty when all are gone, else the message naming
// the first that would not go (nothing after it is touched).
std::string clearNames(const SplitJob& job, const std::vector<std::string>& names);

}  // namespace split
