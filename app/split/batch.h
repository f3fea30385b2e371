// The recombination batch file: its text, and how it is read back.
#pragma once
#include <string>

#include "split/split_outputs.h"

namespace split {

// The longest line the command interpreter reads whole.
const size_t kMaxBatchLine = 8191;

// The whole recombination batch file in the OEM code page, each line ended by
// CR LF. Before it writes anything it names every missing piece; where
// Windows has certutil and the checksum list (checksumName, which begins with
// the target's name) is beside the pieces, it checks each piece against its
// line of the list and names the damaged ones. It joins the pieces with copy
// /b lines into a temporary name, the copy lines as ever,
//   copy "movie.S01" /b  + "movie.S02" /b  + "movie.S03" /b "movie.avi.%r%.tmp" ...
// (several of at most maxLine characters where one would be longer, each
// later one appending to it), checks the result against the list's last line
// and only then moves it to the target's name. Where no check can run it says
// so. It ends with a line that tells the outcome, waits for a key when it was
// started by a double-click, and exits 0 when the file was rebuilt, else 1.
// Every "%" of a name is written "%%". Where the batch file's own name has no
// OEM form, the lines name it as "%~n0" (the pieces' shorter stem cut from it
// by "%n:~0,K%"). False, and no text, when another part of a name has no OEM
// form: its "?" would be a wildcard that can match other files.
bool batchFileText(const std::string& pieceStem, const std::string& batchStem, const std::string& extension,
                   const std::string& checksumName, int pieceCount, std::string& oemText,
                   size_t maxLine = kMaxBatchLine);

// A line of a batch file as the interpreter runs it: "%%" read as "%", and the
// batch file's own name put in for "%~n0" and its first K units for "%n:~0,K%".
std::wstring expandBatchLine(const std::wstring& line, const std::wstring& ownStem);

// The ANSI text in the OEM code page that the command interpreter reads batch
// files in. False when a character has no OEM form (the bytes are still
// written, with the system's replacement for that character).
bool ansiToOem(const std::string& ansi, std::string& oem);

// Reads a batch file of this program's, of either form (one copy line into
// the target, or copy lines into a temporary name that a move line gives the
// target's name): the pieces its copy lines join and the file it rebuilds;
// ownStem is the batch file's name less ".bat".
bool readBatchRecord(const std::string& bytes, const std::wstring& ownStem, SplitRecord& record);

}  // namespace split
