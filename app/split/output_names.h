// Whether each file a split writes can be written in its output folder.
#pragma once
#include <string>
#include <vector>

namespace split {

// The refusal when something in the folder stands where one of the names
// must be written (a folder, a device, a file that cannot be replaced);
// empty when every name is free or a file that may be replaced.
std::string nameInTheWay(const std::string& folder, const std::vector<std::string>& names);

}  // namespace split
