// What an output folder already holds at the names a split is to write: an
// earlier split of the same file, another file's split, or the user's own
// files. Told apart by this program's records (batch file, joiner, checksum
// file), which name the file they rebuild and its pieces; a record counts
// only where a split of that file would have written it, so a list or script
// of the user's that names the same pieces is the user's, and stays.
#pragma once
#include <string>
#include <vector>

#include "split/split_outputs.h"

namespace split {

// Every name below is one of the split's own: a piece .S01 to .S99 or one of
// its three records. Nothing else in the folder is ever listed to go.
struct FolderSurvey {
    // An earlier split of the same file: its records and the pieces they
    // name, all to go before the first new byte.
    std::vector<std::string> earlierOwn;
    // Every other file whose split would lose a file, and the whole of those
    // splits: their pieces and their records at their own names.
    std::vector<std::string> otherOwners;
    std::vector<std::string> otherFiles;
    // Files at the names that are no split's of this program: the user's own,
    // by their long names (one reached through a short name among them).
    std::vector<std::string> usersOwn;
    // Why the folder could not be listed; empty when it was.
    std::string unlisted;
};

// The folder as it stands for writing pieces firstPiece to lastPiece and the
// records, read in one listing. Pieces of an earlier split of the same file
// at every number go too. Pieces that no record names
// count as the user's own unless piecesAreOurs (the user has asked for old
// pieces to be deleted first).
FolderSurvey surveyFolder(const SplitOutputs& outputs, int firstPiece, int lastPiece, bool piecesAreOurs);

}  // namespace split
