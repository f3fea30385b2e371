// Every text the window shows during a split, from choosing the file to the
// end of the run: status lines, prompts, refusals, questions, reports. Each
// text is written once, in messages.cpp.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "split/plan.h"
#include "split/question.h"

namespace split {

// --- status line and prompts ------------------------------------------------
// The status label's caption as the window is built; the first repaint sets
// kStatusPlanning, the resting text.
extern const char* const kStatusAsBuilt;
extern const char* const kStatusPlanning;
extern const char* const kStatusReading;
extern const char* const kStatusComplete;
// A run that stopped: before its first byte, or with pieces written.
extern const char* const kStatusNothingWritten;
extern const char* const kStatusStopped;
// A chosen file whose name cannot be passed on.
extern const char* const kStatusNameWithoutForm;
// The chosen file's size; files of 2 GiB and more by a fixed text.
std::string fileSizeStatus(uint64_t length);
std::string pieceDoneStatus(int pieceNo);
// While a piece is written: its name and how far it has come.
std::string writingStatus(const std::string& pieceName, int percent);
// The prompt of each phase: the input folder (with its trailing "\") and
// the chosen file, or the output folder.
std::string fileChoicePrompt(const std::string& inPrefix, const std::string& fileName);
std::string outputFolderPrompt(const std::string& folder);

// --- before the first piece -------------------------------------------------
extern const char* const kNoOutputFolder;
// The message a refused plan shows, and its weight; empty text for kOk and
// kDivisionByZero.
std::string refusalText(PlanOutcome outcome);
Severity refusalSeverity(PlanOutcome outcome);
// The drive is too small: for the rest of the file and the records, and for
// one piece (a paused split).
std::string capacityReport(int64_t fileSize, int64_t freeBytes);
std::string pieceCapacityReport(int64_t pieceSize, int64_t freeBytes);
std::string sizeQuestion(int64_t fileSize);
// The drive of a folder as a user names it ("E:" of "E:\Pieces"), or the
// folder itself where it has no drive letter.
std::string driveOf(const std::string& folder);
// Pieces larger than the output folder's file system holds.
std::string pieceTooLargeForDrive(const std::string& outFolder, const std::string& fileSystem, int64_t pieceSize);
// The same, offering pieces of the largest size the drive holds instead.
std::string smallerPiecesQuestion(const std::string& outFolder, const std::string& fileSystem, int64_t pieceSize);
// The split would overwrite or delete its own input, as its `what` (the
// piece files, or one of SplitOutputs' records by its description).
std::string overwrittenByText(const std::string& fileName, const std::string& what);
// The file would be rebuilt over its own record (`what` names which), or
// over one of its pieces. The rename suggested is one that a split takes.
std::string rebuildsOwnScriptText(const std::string& fileName, const std::string& what);
std::string rebuildsOwnPieceText(const std::string& fileName);
// Files of the user's at names the split writes, asked with Yes and No;
// a question names at most kNamesInAQuestion files, then how many more.
const size_t kNamesInAQuestion = 10;
std::string usersOwnQuestion(const std::string& folder, const std::vector<std::string>& names,
                             const std::string& inFileName);
// The input cannot be opened as the library opens it: nothing was touched.
std::string inputNotOpenText(const std::string& inPath);
// A name that Windows keeps for a device (NUL, CON, COM1 ...): the input's
// own, or a name this split would write; both ask for the input renamed.
std::string reservedInputText(const std::string& inFileName, const std::string& device);
std::string reservedOutputText(const std::string& inFileName, const std::string& device, const std::string& name);
// Another file's split at the split's names, every owner named ("a.mp4,
// a.mkv and a.mov") up to kNamesInAQuestion, asked with Yes and No; its
// records go with it.
std::string replaceQuestion(const std::string& folder, const std::vector<std::string>& owners,
                            const std::string& inFileName);
// A file that must go first and would not; why is "it is read-only" and the
// like. written: the split writes a file of that name itself.
std::string removalFailedText(const std::string& path, const std::string& why, bool written);
// A file removed whose name another program keeps taken.
std::string nameStillTakenText(const std::string& path);
// why, then that the split stopped before writing anything.
std::string beforeTheFirstByteText(const std::string& why);
// The output folder's files could not be listed, for the reason why.
std::string folderUnlistedText(const std::string& folder, const std::string& why);
// Something stands where the split must write path: a folder, a device, or
// a file that cannot be replaced.
std::string folderInTheWayText(const std::string& path);
std::string deviceInTheWayText(const std::string& path);
std::string fileInTheWayText(const std::string& path);
// A chosen file whose name the system could give the program only with "?".
std::string nameWithoutFormMessage(const std::string& fileName);

// --- during and after the run -----------------------------------------------
// A piece that the library reported written but the disk does not hold whole.
std::string pieceNotOnDiskText(const std::string& path);
std::string pieceWrongLengthText(const std::string& path, uint64_t written, uint64_t length);
std::string pieceNotFlushedText(const std::string& path);
// After a pause: the output folder is not on the new disk (Yes creates it).
std::string folderMissingQuestion(const std::string& folder);
// Why a run stopped after a pause, and that no batch file was written.
std::string stoppedAfterPauseText(const std::string& why);
std::string pauseMessage(int pieceNo, int pieceCount);
std::string successMessage(const std::string& batchPath);
// All pieces are there, but no batch file could name a file whose name holds
// a character outside the OEM code page.
std::string successMessageWithoutBatch(const std::string& batchPath, const std::string& fileName);
// The input changed while its pieces were written.
std::string inputChangedMessage(const std::string& inPath);

}  // namespace split
