// The recombination batch file: its text, and how it is read back.
#pragma once
#include <string>

#include "split/split_outputs.h"

namespace split {

// The longest line the command interpreter reads whole.
const size_t kMaxBatchLine = 8191;

// The whole recombination batch file in the OEM code page, each line ended by
// CR LF: one copy line wherever it fits the interpreter's line,
//   copy "movie.S01" /b  + "movie.S02" /b  + "movie.S03" /b "movie.avi"
// with every "%" of a name written "%%" so that the interpreter leaves it
// alone, else several copy /b lines of at most maxLine characters, the first writing
// the target and each later one appending the next pieces to it. Where the
// batch file's own name has no OEM form, the lines name it as "%~n0" (the
// pieces' shorter stem cut from it by "%n:~0,K%"). False, and no text, when
// another part of a name has no OEM form: its "?" would be a wildcard that
// can match other files.
bool batchFileText(const std::string& pieceStem, const std::string& batchStem, const std::string& extension,
                   int pieceCount, std::string& oemText, size_t maxLine = kMaxBatchLine);

// A line of a batch file as the interpreter runs it: "%%" read as "%", and the
// batch file's own name put in for "%~n0" and its first K units for "%n:~0,K%".
std::wstring expandBatchLine(const std::wstring& line, const std::wstring& ownStem);

// The ANSI text in the OEM code page that the command interpreter reads batch
// files in. False when a character has no OEM form (the bytes are still
// written, with the system's replacement for that character).
bool ansiToOem(const std::string& ansi, std::string& oem);

// Reads a batch file of this program's: its copy lines name the pieces and,
// last, the file they rebuild; ownStem is the batch file's name less ".bat".
bool readBatchRecord(const std::string& bytes, const std::wstring& ownStem, SplitRecord& record);

}  // namespace split
