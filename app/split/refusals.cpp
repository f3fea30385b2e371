#include "split/refusals.h"

#include "platform/dialogs.h"

namespace split {

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

}  // namespace split
