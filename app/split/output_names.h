// Whether each file a split writes can be written in its output folder.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace split {

// The refusal when something in the folder stands where one of the names
// must be written (a folder, a device, a file that cannot be replaced);
// empty when every name is free or a file that may be replaced.
std::string nameInTheWay(const std::string& folder, const std::vector<std::string>& names);

// The refusal when the folder cannot take the split's files: something in
// the way of one of the names, or pieces larger than its file system holds
// (a FAT drive, no file of 4 GiB); empty when it can. Asked before the first
// piece and again of each new disk after a pause.
std::string folderRefusal(const std::string& folder, const std::vector<std::string>& names, int64_t pieceSize);

}  // namespace split
