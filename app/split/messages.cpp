#include "split/messages.h"

#include "platform/dialogs.h"
#include "platform/numbers.h"

namespace split {

const char* const kStatusPlanning = "Cleavo Status.";
const char* const kStatusReading = "Reading...";
const char* const kStatusComplete = "Operation Complete";
const char* const kNoOutputFolder = "You need to choose a path for the output file!";

std::string pieceDoneStatus(int pieceNo) { return "File " + std::to_string(pieceNo) + " Done! Reading..."; }

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

unsigned refusalIcon(PlanOutcome outcome) {
    switch (outcome) {
    case PlanOutcome::kTooManySplits:
    case PlanOutcome::kTooManyFiles:
    case PlanOutcome::kOneFile: return platform::kInformation;
    case PlanOutcome::kSizeLargerThanFile:
    case PlanOutcome::kSizeBelowOne:
    case PlanOutcome::kEmptyFile: return platform::kExclamation;
    default: return platform::kOkOnly;
    }
}

namespace {
// a - b without signed overflow whatever the inputs.
int64_t difference(int64_t a, int64_t b) {
    return static_cast<int64_t>(static_cast<uint64_t>(a) - static_cast<uint64_t>(b));
}

std::string overwrittenBy(const std::string& fileName, const std::string& what) {
    return "The file " + fileName + " would be overwritten by its own " + what +
           ".\r\nChoose another output folder or rename the file.";
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

std::string pieceTooLargeForDrive(const std::string& outFolder, const std::string& fileSystem, int64_t pieceSize) {
    using platform::groupDigits;
    return "The pieces of this split are " + groupDigits(pieceSize) + " bytes, but drive " + driveOf(outFolder) +
           " is formatted " + fileSystem + ", which holds no file larger than " +
           groupDigits(largestFileOn(fileSystem)) + " bytes.\r\nChoose a smaller split size or another drive.";
}

std::string overwrittenByPiecesText(const std::string& fileName) { return overwrittenBy(fileName, "piece files"); }
std::string overwrittenByBatchText(const std::string& fileName) { return overwrittenBy(fileName, "batch file"); }
std::string overwrittenByJoinerText(const std::string& fileName) { return overwrittenBy(fileName, "joiner script"); }
std::string overwrittenByChecksumsText(const std::string& fileName) {
    return overwrittenBy(fileName, "checksum file");
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
           " could not name it.\r\nRejoin the pieces in order with copy /b by hand.";
}

std::string inputChangedMessage(const std::string& inPath) {
    return "The file " + inPath +
           " changed while it was being split: the pieces do not hold it, and no batch file was written.\r\n"
           "Split the file again once nothing else is writing to it.";
}

}  // namespace split
