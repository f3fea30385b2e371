// What one click of "Split files now!" works out before its first piece.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"
#include "split/split_outputs.h"

namespace split {

struct SplitJob {
    std::string inPath;     // folder and name of the input
    SplitOutputs outputs;   // every file the run writes, in the output folder
    int64_t fileSize = 0;
    int64_t pieceSize = 0;
    int pieceCount = 0;
    // "Pause": a pause to change disks after the next piece. The choice at
    // the click, then after each piece the one the run goes on with.
    bool pause = false;
    // "Delete partial": old pieces of the stem go first, on every disk.
    bool deletePartial = false;
    // The input's length and last-write time when the plan was made; the run
    // checks them again before it calls the pieces a success.
    platform::FileStamp inputStamp;
    bool stamped = false;
    // Names in the output folder that go before the first new byte: an
    // earlier split of this file, another file's split the user agreed to
    // replace, old pieces the user asked to be deleted.
    std::vector<std::string> removeFirst;
};

}  // namespace split
