// What an output folder already holds at the names a split is to write: an
// earlier split of the same file, another file's split, or the user's own
// files. Told apart by this program's records (batch file, joiner, checksum
// file), which name the file they rebuild and its pieces.
#pragma once
#include <string>
#include <vector>

#include "split/split_outputs.h"

namespace split {

struct FolderSurvey {
    // An earlier split of the same file: its records and the pieces they
    // name, all to go before the first new byte.
    std::vector<std::string> earlierOwn;
    // The first other file whose split one of the names belongs to, and every
    // file of that split and of any other split touched.
    std::string otherOwner;
    std::vector<std::string> otherFiles;
    // Files at the names that are no split's of this program: the user's own.
    std::vector<std::string> usersOwn;
};

// The folder as it stands for writing `names` (names, not paths). Pieces that
// no record names count as the user's own unless piecesAreOurs (the user has
// asked for old pieces to be deleted first).
FolderSurvey surveyFolder(const SplitOutputs& outputs, const std::vector<std::string>& names, bool piecesAreOurs);

}  // namespace split
