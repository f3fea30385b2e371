#include "split/messages.h"

#include <algorithm>

#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "split/names.h"

namespace split {

const char* const kStatusAsBuilt = "Cleavo status";
const char* const kStatusPlanning = "Cleavo Status.";
const char* const kStatusReading = "Reading...";
const char* const kStatusComplete = "Operation Complete";
const char* const kStatusNothingWritten = "Split stopped: nothing was written.";
const char* const kStatusStopped = "Split stopped: no batch file was written.";
const char* const kStatusNameWithoutForm = "This file's name cannot be used here.";
const char* const kNoOutputFolder = "You need to choose a path for the output file!";

std::string fileSizeStatus(uint64_t length) {
    if (length >= 2147483648ull) return "File Size is: Over 2 Gigs!";
    return "File Size is: " + platform::groupDigits(static_cast<int64_t>(length));
}

std::string pieceDoneStatus(int pieceNo) { return "File " + std::to_string(pieceNo) + " Done! Reading..."; }

std::string writingStatus(const std::string& pieceName, int percent) {
    return "Writing " + pieceName + ": " + std::to_string(percent) + "%";
}

std::string fileChoicePrompt(const std::string& inPrefix, const std::string& fileName) {
    return "Choose file to split: -->  " + inPrefix + fileName;
}

std::string outputFolderPrompt(const std::string& folder) { return "Choose output folder: --> " + folder; }

std::string refusalText(PlanOutcome outcome) {
    switch (outcome) {
    case PlanOutcome::kEmptyFile: return "The file is empty: there is nothing to split.";
    case PlanOutcome::kTooManySplits: return "Too many splits!  Maximum of 99.";
    case PlanOutcome::kSizeBelowOne: return "The split size must be at least 1 byte.";
    case PlanOutcome::kSizeLargerThanFile: return "The split size is larger than the file!";
    case PlanOutcome::kTooManyFiles: return "Too many files to re-combine!\r\n99 files is the maximum";
    case PlanOutcome::kOneFile: return "Cleavo will not split into 1 file.";
    default: return "";
    }
}

Severity refusalSeverity(PlanOutcome outcome) {
    switch (outcome) {
    case PlanOutcome::kTooManySplits:
    case PlanOutcome::kTooManyFiles:
    case PlanOutcome::kOneFile: return Severity::kInformation;
    case PlanOutcome::kSizeLargerThanFile:
    case PlanOutcome::kSizeBelowOne:
    case PlanOutcome::kEmptyFile: return Severity::kWarning;
    default: return Severity::kPlain;
    }
}

namespace {
// a - b without signed overflow whatever the inputs.
int64_t difference(int64_t a, int64_t b) {
    return static_cast<int64_t>(static_cast<uint64_t>(a) - static_cast<uint64_t>(b));
}

}  // namespace

std::string capacityReport(int64_t fileSize, int64_t freeBytes) {
    using platform::groupDigits;
    return "The drive is not big enough!\r\n\r\nFile  size  is:  " + groupDigits(fileSize) +
           "\r\n\r\nDrive size is:  " + groupDigits(freeBytes) + "\r\n\r\nDifference is:  " +
           groupDigits(difference(fileSize, freeBytes)) + "\r\nVersion 3.0 will have spanning capability!\r\n";
}

std::string pieceCapacityReport(int64_t pieceSize, int64_t freeBytes) {
    using platform::groupDigits;
    return "The drive is not big enough!\r\n\r\nSplit  size  is:  " + groupDigits(pieceSize) +
           "\r\n\r\nDrive size is:  " + groupDigits(freeBytes) + "\r\n\r\nDifference is:  " +
           groupDigits(difference(pieceSize, freeBytes)) + "\r\n";
}

std::string sizeQuestion(int64_t fileSize) {
    return "Is the size correct: \r\n" + platform::groupDigits(fileSize) +
           "\r\nConfirm actual File Size in bytes with Explorer";
}

std::string driveOf(const std::string& folder) {
    if (folder.size() >= 2 && folder[1] == ':') return folder.substr(0, 2);
    return folder;
}

namespace {
std::string pieceTooLargeFact(const std::string& outFolder, const std::string& fileSystem, int64_t pieceSize) {
    using platform::groupDigits;
    return "The pieces of this split are " + groupDigits(pieceSize) + " bytes, but drive " + driveOf(outFolder) +
           " is formatted " + fileSystem + ", which holds no file larger than " +
           groupDigits(largestFileOn(fileSystem)) + " bytes.";
}
}  // namespace

std::string pieceTooLargeForDrive(const std::string& outFolder, const std::string& fileSystem, int64_t pieceSize) {
    return pieceTooLargeFact(outFolder, fileSystem, pieceSize) + "\r\nChoose a smaller split size or another drive.";
}

std::string smallerPiecesQuestion(const std::string& outFolder, const std::string& fileSystem, int64_t pieceSize) {
    return pieceTooLargeFact(outFolder, fileSystem, pieceSize) + "\r\n\r\nSplit into pieces of " +
           platform::groupDigits(largestFileOn(fileSystem)) + " bytes, the largest it holds, instead?";
}

std::string overwrittenByText(const std::string& fileName, const std::string& what) {
    return "The file " + fileName + " would be overwritten by its own " + what +
           ".\r\nChoose another output folder or rename the file.";
}

std::string rebuildsOwnScriptText(const std::string& fileName, const std::string& what) {
    // A name with one more ending has a batch stem of its own; the rebuilt
    // file takes its name back with a rename.
    return "The " + what + " of " + fileName + " would have the same name as the file it rebuilds, and would be " +
           "overwritten while it runs.\r\nRename the file (for example to " + fileName + ".txt), split it again, " +
           "and give the rebuilt file its name back.";
}

std::string rebuildsOwnPieceText(const std::string& fileName) {
    return "The file " + fileName + " would be rebuilt under the name of one of its own pieces, over that piece." +
           "\r\nRename the file and split it again.";
}

namespace {
// A list of names short enough for a box on any screen.
std::string someOf(const std::vector<std::string>& names, const std::string& before, const std::string& between,
                   const std::string& beforeLast) {
    const size_t shown = std::min(names.size(), kNamesInAQuestion);
    std::string list;
    for (size_t i = 0; i < shown; ++i)
        list += (i == 0 ? before : i + 1 == names.size() ? beforeLast : between) + names[i];
    if (shown < names.size()) list += beforeLast + std::to_string(names.size() - shown) + " more";
    return list;
}
}  // namespace

std::string usersOwnQuestion(const std::string& folder, const std::vector<std::string>& names,
                             const std::string& inFileName) {
    const std::string list = someOf(names, "\r\n    ", "\r\n    ", "\r\n    ");
    return "The folder " + folder + " holds files that are not from a split of " + inFileName + ":" + list +
           "\r\nThe split of " + inFileName + " would replace them. Replace them?";
}

std::string inputNotOpenText(const std::string& inPath) {
    return "Cleavo cannot open " + inPath + ": another program may be writing to it, or it cannot be read.\r\n" +
           "Nothing was written or deleted. Close the other program, or choose another file.";
}

std::string folderMissingQuestion(const std::string& folder) {
    return "The folder " + folder + " is not on this disk. Create it and go on?";
}

std::string pauseMessage(int pieceNo, int pieceCount) {
    return "Click OK to continue Cleaving!\r\n Cleav " + std::to_string(pieceNo) + " of " +
           std::to_string(pieceCount);
}

std::string successMessage(const std::string& batchPath) {
    return "Operation Successful!\r\nUse: " + batchPath + " to combine!";
}

std::string successMessageWithoutBatch(const std::string& batchPath, const std::string& fileName) {
    return "All pieces were written, but no batch file was: the name " + fileName +
           " holds a character that the command interpreter cannot read, so the batch file " + batchPath +
           " could not name it.\r\nRejoin the pieces in order with copy /b by hand, or on Linux or macOS run the "
           "joiner script beside them with sh.";
}

std::string nameWithoutFormMessage(const std::string& fileName) {
    return "Windows cannot pass the name of the file " + fileName +
           " to Cleavo: it holds characters outside this system's code page, shown here as \"?\".\r\n"
           "Rename the file with letters this system knows (for example in Explorer), then choose it again.";
}

std::string inputChangedMessage(const std::string& inPath) {
    return "The file " + inPath +
           " changed while it was being split: the pieces do not hold it, and no batch file was written.\r\n"
           "Split the file again once nothing else is writing to it.";
}

std::string reservedInputText(const std::string& inFileName, const std::string& device) {
    return "The file " + inFileName + " cannot be split: Windows reserves the name " + device +
           " for a device, so the file cannot be read under its name.\r\nPlease rename " + inFileName +
           " and split it again.";
}

std::string reservedOutputText(const std::string& inFileName, const std::string& device, const std::string& name) {
    return "The file " + inFileName + " cannot be split: Windows reserves the name " + device +
           " for a device, and this split would write " + name +
           ", which Windows would send to that device instead of the disk.\r\nPlease rename " + inFileName +
           " and split it again.";
}

std::string replaceQuestion(const std::string& folder, const std::vector<std::string>& owners,
                            const std::string& inFileName) {
    return "The folder " + folder + " already holds the pieces of " + someOf(owners, "", ", ", " and ") +
           ". Replace them with the pieces of " + inFileName + "?\r\nEach split replaced goes whole, its batch " +
           "file, joiner script and checksum file with it, so that none of them rebuilds a wrong file.";
}

std::string removalFailedText(const std::string& path, const std::string& why, bool written) {
    return "The file " + path +
           (written ? " must go before this split writes its own file of that name"
                    : " must go before this split begins, as part of an earlier split at its names") +
           ", but it could not be removed: " + why +
           ".\r\nClose the program that holds it or clear its read-only mark, or choose another output folder.";
}

std::string nameStillTakenText(const std::string& path) {
    return "The file " + path + " was removed, but another program still holds it open, so its name stays taken." +
           "\r\nClose that program and split again, or choose another output folder.";
}

std::string beforeTheFirstByteText(const std::string& why) { return why + "\r\nNothing was written."; }

std::string folderUnlistedText(const std::string& folder, const std::string& why) {
    return "The files in the folder " + folder + " cannot be listed (" + why + "), so Cleavo cannot tell what it "
           "would replace there.\r\nNothing was written. Choose another output folder.";
}

namespace {
const char* const kChooseAnotherFolder = "\r\nChoose another output folder, or move or rename what is in the way.";
const char* const kStoppedWithoutBatch = "\r\nThe split has stopped: no batch file was written.";
}  // namespace

std::string stoppedAfterPauseText(const std::string& why) { return why + kStoppedWithoutBatch; }

std::string folderInTheWayText(const std::string& path) {
    return "The folder " + path + " is in the way: this split must write a file of that name there." +
           kChooseAnotherFolder;
}

std::string deviceInTheWayText(const std::string& path) {
    return "Windows takes " + path + " for a device, not a file: what this split wrote there would be lost." +
           kChooseAnotherFolder;
}

std::string fileInTheWayText(const std::string& path) {
    return "The file " + path +
           " is in the way: this split must replace it, but it cannot be written (it is read-only, hidden, "
           "a system file or in use)." + kChooseAnotherFolder;
}

std::string pieceNotOnDiskText(const std::string& path) {
    return "The piece " + path + " did not reach the disk: Windows sent it somewhere else (a device)." +
           kStoppedWithoutBatch;
}

std::string pieceWrongLengthText(const std::string& path, uint64_t written, uint64_t length) {
    return "The piece " + path + " came out " + platform::groupDigits(static_cast<int64_t>(written)) +
           " bytes long instead of " + platform::groupDigits(static_cast<int64_t>(length)) + ", so it was deleted." +
           kStoppedWithoutBatch;
}

std::string pieceNotFlushedText(const std::string& path) {
    return "The piece " + path + " could not be written to its disk, so it was deleted." + kStoppedWithoutBatch;
}

}  // namespace split
