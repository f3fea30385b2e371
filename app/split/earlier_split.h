// Another file's split in the output folder: found from the batch files and
// checksum files there, so that a new split never replaces it unasked.
#pragma once
#include <string>
#include <vector>

namespace split {

// The name of the file whose split in `folder` owns one of `names` (its
// pieces, batch file or checksum file), when that file is not inFileName;
// empty when no other file's split would be touched. A batch file's copy
// lines name the pieces and, last, the file they rebuild; a checksum file's
// lines name the pieces and, last, the whole file.
std::string otherSplitOwner(const std::string& folder, const std::vector<std::string>& names,
                            const std::string& inFileName);

}  // namespace split
