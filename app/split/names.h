// The names a split derives from its input file, and the batch file's line.
#pragma once
#include <string>

namespace split {

// The input's name less its last four characters; a run-time error 5
// (Invalid procedure call or argument) for names shorter than four.
std::string pieceStem(const std::string& fileName);
// The name up to, not including, its first "."; the whole name without one.
std::string batchStem(const std::string& fileName);
// The name from its first "." to the end; empty without one.
std::string extension(const std::string& fileName);

// platform::joinFolder(folder, stem + ".S" + two digits of n)
std::string piecePath(const std::string& folder, const std::string& stem, int n);

// The one line of the recombination batch file, without its CR LF, in the
// program's ANSI text. Every "%" of a name is written "%%" so that the
// command interpreter leaves it alone.
// copy "movie.S01" /b  + "movie.S02" /b  + "movie.S03" /b "movie.avi"
std::string batchLine(const std::string& pieceStem, const std::string& batchStem,
                      const std::string& extension, int pieceCount);

// The ANSI text in the OEM code page that the command interpreter reads batch
// files in. False when a character has no OEM form (the bytes are still
// written, with the system's replacement for that character).
bool ansiToOem(const std::string& ansi, std::string& oem);

// "Operation Successful!" CR LF "Use: " path " to combine!"
std::string successMessage(const std::string& batchPath);
// The success message when the batch file cannot name a file because of a
// character outside the OEM code page: says so plainly.
std::string successMessageWithoutBatch(const std::string& batchPath, const std::string& fileName);

// A refusal text when splitting fileName into outDir would overwrite or
// delete the input itself (the input named like one of its own pieces or
// like its batch file, in the same folder); empty when there is no clash.
// inDir and outDir are compared as folders (case-insensitively, a trailing
// "\" ignored).
std::string inputClash(const std::string& inDir, const std::string& fileName, const std::string& outDir);

}  // namespace split
