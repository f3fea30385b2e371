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

// The same refusal judged by the names alone (the input named like one of its
// own pieces, its batch file or its joiner, in the same folder); empty when
// there is no clash. inDir and outDir are compared as folders
// (case-insensitively, a trailing "\" ignored). For inputs whose identity
// the system cannot tell.
std::string inputClash(const std::string& inDir, const std::string& fileName, const std::string& outDir);

}  // namespace split
