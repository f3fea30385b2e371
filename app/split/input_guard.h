// Keeps a split from writing over, or deleting, its own input.
#pragma once
#include <string>

namespace split {

struct SplitJob;
class SplitOutputs;

// The refusal text when a piece the job may write or delete (numbers 01 to
// 99) or its batch file is the input itself, reached by whatever path; empty
// when none is. Decided by file identity; by the names alone only when the
// system cannot identify the input.
std::string inputTargetClash(const SplitJob& job, const std::string& inDir, const std::string& fileName);

// The refusal when the file would be rebuilt over its own batch file, joiner
// or one of its pieces, wherever the output folder is: the command
// interpreter goes on reading a batch file from where it stopped, in what
// the copy has just written. Empty when none is.
std::string rebuildsItselfText(const SplitOutputs& outputs);

// The same refusal judged by the names alone (the input named like one of its
// own pieces, its batch file or its joiner, in the same folder); empty when
// there is no clash. inDir and outDir are compared as folders
// (case-insensitively, a trailing "\" ignored). For inputs whose identity
// the system cannot tell.
std::string inputClash(const std::string& inDir, const std::string& fileName, const std::string& outDir);

}  // namespace split
