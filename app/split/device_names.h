// Names that Windows takes for devices (CON, NUL, COM1, ...) rather than
// files: whatever is written under them is lost, and nothing can be read.
#pragma once
#include <string>
#include <vector>

namespace split {

// The device a file name stands for, in capitals ("NUL"), or empty when the
// name is an ordinary one. Windows looks only at the part before the first
// "." with trailing blanks dropped, in any letter case, so "nul.S01",
// "Com3 .txt" and "aux" are devices and "nullx", "com10" and "console" are not.
std::string deviceNamed(const std::string& fileName);

// The refusal when the input, or any of the names a split writes, is a
// device name; empty when none is. Both ask the user to rename the input,
// the one name the others come from.
std::string reservedNameRefusal(const std::string& inFileName, const std::vector<std::string>& namesWritten);

}  // namespace split
