// What one click of "Split files now!" works out before its first piece.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"

namespace split {

struct SplitJob {
    std::string inPath;          // folder and name of the input
    std::string pieceStem;       // the input's name less its last four characters
    std::string batchStem;       // the input's name up to its first "."
    std::string extension;       // the rest of the input's name from its first "."
    std::string outDir;          // the folder of the pieces and the batch file
    int64_t fileSize = 0;
    int64_t freeBytes = 0;
    int64_t pieceSize = 0;
    int pieceCount = 0;
    // The input's length and last-write time when the plan was made; the run
    // checks them again before it calls the pieces a success.
    platform::FileStamp inputStamp;
    bool stamped = false;
};

// Every file the job writes, in the order it writes them: the pieces, the
// batch file, the joiner script and the checksum file.
std::vector<std::string> writtenPaths(const SplitJob& job);

}  // namespace split
