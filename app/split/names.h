// The names a split derives from its input file's name.
#pragma once
#include <string>
#include <vector>

namespace split {

// The input's name less its last four characters, counted as characters,
// never bytes (a letter of several bytes or a surrogate pair is never cut in
// two); a run-time error 5 (Invalid procedure call or argument) for names
// shorter than four.
std::string pieceStem(const std::string& fileName);
// The same without the error: false for a name shorter than four.
bool pieceStemOf(const std::string& fileName, std::string& stem);
// The name up to, not including, its first "."; the whole name without one.
// The batch file and the joiner script are named by it.
std::string batchStem(const std::string& fileName);
// The name from its first "." to the end; empty without one.
std::string extension(const std::string& fileName);

// Piece numbers have two digits: a split writes or deletes at most .S01 to .S99.
const int kMaxPieces = 99;

// Adds each of names to `to` unless a name the file system takes for the
// same (letter case aside) is there already.
void addNamesOnce(std::vector<std::string>& to, const std::vector<std::string>& names);

// stem + ".S" + two digits of n
std::string pieceName(const std::string& stem, int n);
// platform::joinFolder(folder, pieceName(stem, n))
std::string piecePath(const std::string& folder, const std::string& stem, int n);

}  // namespace split
