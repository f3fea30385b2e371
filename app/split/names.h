// The names a split derives from its input file, and the batch file's line.
#pragma once
#include <string>

namespace split {

// The input's name less its last four characters, counted as characters of
// the given ANSI code page (a double-byte letter is never cut in two); a
// run-time error 5 (Invalid procedure call or argument) for names shorter
// than four.
std::string pieceStem(const std::string& fileName, unsigned codePage = 0);
// The name up to, not including, its first "."; the whole name without one.
std::string batchStem(const std::string& fileName);
// The name from its first "." to the end; empty without one.
std::string extension(const std::string& fileName);

// stem + ".S" + two digits of n
std::string pieceName(const std::string& stem, int n);
// platform::joinFolder(folder, pieceName(stem, n))
std::string piecePath(const std::string& folder, const std::string& stem, int n);
// platform::joinFolder(folder, batchStem + ".bat")
std::string batchPath(const std::string& folder, const std::string& batchStem);

// The one line of the recombination batch file, without its CR LF, in the
// program's ANSI text. Every "%" of a name is written "%%" so that the
// command interpreter leaves it alone.
// copy "movie.S01" /b  + "movie.S02" /b  + "movie.S03" /b "movie.avi"
std::string batchLine(const std::string& pieceStem, const std::string& batchStem,
                      const std::string& extension, int pieceCount);

// The longest line the command interpreter reads whole.
const size_t kMaxBatchLine = 8191;

// The whole recombination batch file in the OEM code page, each line ended by
// CR LF: the one line of batchLine() wherever it fits the interpreter's line,
// else several copy /b lines of at most maxLine characters, the first writing
// the target and each later one appending the next pieces to it. False, and
// no text, when a name holds a character without an OEM form: its "?" would
// be a wildcard that can match other files.
bool batchFileText(const std::string& pieceStem, const std::string& batchStem, const std::string& extension,
                   int pieceCount, std::string& oemText, size_t maxLine = kMaxBatchLine);

// The ANSI text in the OEM code page that the command interpreter reads batch
// files in. False when a character has no OEM form (the bytes are still
// written, with the system's replacement for that character).
bool ansiToOem(const std::string& ansi, std::string& oem);

// "Operation Successful!" CR LF "Use: " path " to combine!"
std::string successMessage(const std::string& batchPath);
// The message after a run whose batch file could not name a file because of
// a character outside the OEM code page: the pieces are there, no batch file.
std::string successMessageWithoutBatch(const std::string& batchPath, const std::string& fileName);

// The message after a run whose input changed while its pieces were written.
std::string inputChangedMessage(const std::string& inPath);

// The refusals when a split would overwrite or delete its own input.
std::string overwrittenByPiecesText(const std::string& fileName);
std::string overwrittenByBatchText(const std::string& fileName);
std::string overwrittenByJoinerText(const std::string& fileName);

// "File " n " Done! Reading..."
std::string pieceDoneStatus(int pieceNo);

// A refusal text when splitting fileName into outDir would overwrite or
// delete the input itself, judged by the names alone (the input named like
// one of its own pieces or like its batch file, in the same folder); empty
// when there is no clash. inDir and outDir are compared as folders
// (case-insensitively, a trailing "\" ignored). For inputs whose identity
// the system cannot tell; see split/input_guard.h.
std::string inputClash(const std::string& inDir, const std::string& fileName, const std::string& outDir);

}  // namespace split
