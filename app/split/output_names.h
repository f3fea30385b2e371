// The files a split writes into its output folder, and whether each of them
// can be written there.
#pragma once
#include <string>
#include <vector>

namespace split {

// The names of every file a split of inFileName writes beside its pieces, in
// order: the pieces 01 to pieceCount, the batch file, the sh joiner and the
// checksum file.
std::vector<std::string> namesRunWrites(const std::string& pieceStem, const std::string& batchStem,
                                        const std::string& inFileName, int pieceCount);

// The refusal when something in the folder stands where one of the names
// must be written (a folder, a device, a file that cannot be replaced);
// empty when every name is free or a file that may be replaced.
std::string nameInTheWay(const std::string& folder, const std::vector<std::string>& names);

}  // namespace split
