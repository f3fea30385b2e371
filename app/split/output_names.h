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

// The largest file the folder's file system holds (4,294,967,295 bytes on a
// FAT drive), and its name ("FAT32", ...).
int64_t largestFileIn(const std::string& folder, std::string* fileSystem = nullptr);

}  // namespace split
