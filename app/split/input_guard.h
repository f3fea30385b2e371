// Keeps a split from writing over, or deleting, its own input.
#pragma once
#include <string>

namespace split {

struct SplitJob;

// The refusal text when a piece the job may write or delete (numbers 01 to
// 99) or its batch file is the input itself, reached by whatever path; empty
// when none is. Decided by file identity; by the names alone only when the
// system cannot identify the input.
std::string inputTargetClash(const SplitJob& job, const std::string& inDir, const std::string& fileName);

}  // namespace split
