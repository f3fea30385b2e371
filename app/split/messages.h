// Every text the split shows: status lines, refusals, questions, reports and
// the messages at the end of a run, exact to the character.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "split/plan.h"

namespace split {

// --- status line and prompt -------------------------------------------------
extern const char* const kStatusPlanning;   // "Cleavo Status."
extern const char* const kStatusReading;    // "Reading..."
extern const char* const kStatusComplete;   // "Operation Complete"
extern const char* const kStatusNameWithoutForm;  // a chosen file whose name cannot be passed on
// "File " n " Done! Reading..."
std::string pieceDoneStatus(int pieceNo);
// "Choose output folder: --> " folder
std::string outputFolderPrompt(const std::string& folder);

// --- before the first piece -------------------------------------------------
extern const char* const kNoOutputFolder;  // "You need to choose a path for the output file!"
// The message a refused plan shows, and its icon (platform message-box
// style); empty text for kOk and kDivisionByZero.
std::string refusalText(PlanOutcome outcome);
unsigned refusalIcon(PlanOutcome outcome);
// "The drive is not big enough!" report for the whole file (before the split)
// and for one piece (a paused split).
std::string capacityReport(int64_t fileSize, int64_t freeBytes);
std::string pieceCapacityReport(int64_t pieceSize, int64_t freeBytes);
// "Is the size correct: " CR LF size CR LF "Confirm actual File Size in bytes with Explorer"
std::string sizeQuestion(int64_t fileSize);
// The drive of a folder as a user names it ("E:" of "E:\Pieces"), or the
// folder itself where it has no drive letter.
std::string driveOf(const std::string& folder);
// The refusal of pieces larger than the output folder's file system holds.
std::string pieceTooLargeForDrive(const std::string& outFolder, const std::string& fileSystem, int64_t pieceSize);
// The refusals when a split would overwrite or delete its own input.
std::string overwrittenByPiecesText(const std::string& fileName);
std::string overwrittenByBatchText(const std::string& fileName);
std::string overwrittenByJoinerText(const std::string& fileName);
std::string overwrittenByChecksumsText(const std::string& fileName);
// The refusals when the file would be rebuilt over its own batch file or
// joiner (what names which), or over one of its pieces.
std::string rebuildsOwnScriptText(const std::string& fileName, const std::string& what);
std::string rebuildsOwnPieceText(const std::string& fileName);
// Files of the user's at names the split writes, asked with Yes and No, No
// the default (kReplaceQuestionStyle).
std::string usersOwnQuestion(const std::string& folder, const std::vector<std::string>& names,
                             const std::string& inFileName);
// The input cannot be opened as the library opens it: nothing was touched.
std::string inputNotOpenText(const std::string& inPath);

// A name that Windows keeps for a device (NUL, CON, COM1 ...): the input's
// own, or a name this split would write; both ask for the input renamed.
std::string reservedInputText(const std::string& inFileName, const std::string& device);
std::string reservedOutputText(const std::string& inFileName, const std::string& device, const std::string& name);
// "The folder ... already holds the pieces of holiday.mp4. Replace them with
// the pieces of holiday.avi?", asked with Yes and No, No the default; every
// owner named ("a.mp4, a.mkv and a.mov").
std::string replaceQuestion(const std::string& folder, const std::vector<std::string>& owners,
                            const std::string& inFileName);
// A file at one of the split's names that must go first and would not; why
// is "it is read-only" and the like.
std::string removalFailedText(const std::string& path, const std::string& why);
// why, then that the split stopped before writing anything.
std::string beforeTheFirstByteText(const std::string& why);
// The output folder's files could not be listed, for the reason why.
std::string folderUnlistedText(const std::string& folder, const std::string& why);
extern const unsigned kReplaceQuestionStyle;
// Something stands where the split must write path: a folder, a device, or
// a file that cannot be replaced.
std::string folderInTheWayText(const std::string& path);
std::string deviceInTheWayText(const std::string& path);
std::string fileInTheWayText(const std::string& path);

// --- during and after the run -----------------------------------------------
// A piece that the library reported written but the disk does not hold whole.
std::string pieceNotOnDiskText(const std::string& path);
std::string pieceWrongLengthText(const std::string& path, uint64_t written, uint64_t length);
// After a pause: the output folder is not on the new disk (Yes creates it).
std::string folderMissingQuestion(const std::string& folder);
// Why a run stopped after a pause, with "The split has stopped: no batch file was written."
std::string stoppedAfterPauseText(const std::string& why);
// "Click OK to continue Cleaving!" CR LF " Cleav " n " of " count
std::string pauseMessage(int pieceNo, int pieceCount);
// "Operation Successful!" CR LF "Use: " path " to combine!"
std::string successMessage(const std::string& batchPath);
// The message after a run whose batch file could not name a file because of
// a character outside the OEM code page: the pieces are there, no batch file.
std::string successMessageWithoutBatch(const std::string& batchPath, const std::string& fileName);
// A chosen file whose name the system could give the program only with "?".
std::string nameWithoutFormMessage(const std::string& fileName);
// The message after a run whose input changed while its pieces were written.
std::string inputChangedMessage(const std::string& inPath);

}  // namespace split
