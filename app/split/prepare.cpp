#include "split/prepare.h"

#include <optional>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/guarded.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "split/device_names.h"
#include "split/disk_check.h"
#include "split/input_guard.h"
#include "split/library.h"
#include "split/messages.h"
#include "split/names.h"
#include "split/split_outputs.h"
#include "split/plan.h"

namespace split {

using platform::RuntimeError;
using platform::step;

namespace {

// What the checks work on, and fill in, one after the other.
struct Preparing {
    SplitChoices choices;  // a copy: the user may take smaller pieces on the way
    PrepareView& view;
    SplitJob job;
    std::string sizeText = std::string(20, ' ');
    Plan plan;
};

using Outcome = std::optional<Refusal>;
const Outcome kGoOn = std::nullopt;

using Reason = Refusal::Reason;

Refusal refusal(Reason reason = Reason::kChoices, const std::string& text = "", unsigned icon = 0) {
    return Refusal{reason, text, icon};
}

// A size that reads as no number, or no output folder at all.
Outcome checkRequest(Preparing& p) {
    step(35);
    if (!platform::readsAsNumber(p.choices.typedSize)) return refusal();
    step(40);
    if (!platform::anythingExists(p.choices.outFolder) && p.choices.outDrive.empty()) {
        step(50);
        return refusal(Reason::kNoOutputFolder, kNoOutputFolder, platform::kExclamation);
    }
    step(70);
    p.job.inPath = platform::joinFolder(p.choices.inDir, p.choices.inFileName);
    p.view.outputAccepted();
    return kGoOn;
}

// The names the split writes: none of them the input, a device or the file's
// own rebuilt name.
Outcome checkNames(Preparing& p) {
    step(130);
    // The folder is fixed for the whole run: a folder chosen while pieces are
    // being written must not scatter them or their batch file.
    p.job.outputs = SplitOutputs(p.choices.outFolder, p.choices.inFileName);
    step(140);
    const SplitOutputs& out = p.job.outputs;
    // Nothing may delete or overwrite the input itself, whatever path reaches it.
    const std::string clash = inputTargetClash(p.job, p.choices.inDir, p.choices.inFileName);
    if (!clash.empty()) return refusal(Reason::kChoices, clash, platform::kExclamation);
    // Only another name helps for the rest. The piece count is not known yet:
    // every piece number the run may write.
    std::string renameIt = rebuildsItselfText(out);
    if (renameIt.empty()) renameIt = reservedNameRefusal(p.choices.inFileName, out.names(1, kMaxPieces));
    if (!renameIt.empty()) return refusal(Reason::kFileUnusable, renameIt, platform::kExclamation);
    return kGoOn;
}

// The input as the library sees it: its size, and whether it can be held
// open, unchanged by others, through the run.
Outcome measureInput(Preparing& p) {
    SplitJob& job = p.job;
    step(150);
    // Else the library has said that it cannot open the file: it has gone
    // since it was chosen, or its name cannot be passed on.
    if (!bigFileSize(job.inPath, p.sizeText)) return refusal(Reason::kFileUnusable);
    if (!platform::openableDenyingWrites(job.inPath))
        return refusal(Reason::kFileUnusable, inputNotOpenText(job.inPath), platform::kCritical);
    job.stamped = platform::stampFile(job.inPath, job.inputStamp);
    step(160);
    job.fileSize = platform::leadingWholeNumber(p.sizeText);
    step(165);
    if (job.fileSize > kQuestionAbove) {
        step(170);
        if (!p.view.ask({Question::Kind::kConfirm, sizeQuestion(job.fileSize)})) {
            step(180);
            return refusal();
        }
    }
    return kGoOn;
}

// Without pauses to change disks, the whole file must fit in the folder. What
// goes first unasked (old pieces "Delete partial" removes, an earlier split of
// this file) goes only once every check has passed, but its room counts already.
Outcome checkSpace(Preparing& p) {
    step(252);
    p.job.freeBytes = freeBytesBeforeAsking(p.job);
    step(258);
    if (p.job.fileSize > p.job.freeBytes && !p.choices.pause) {
        step(260);
        return refusal(Reason::kDriveTooSmall, capacityReport(p.job.fileSize, p.job.freeBytes), platform::kCritical);
    }
    return kGoOn;
}

Outcome planThePieces(Preparing& p) {
    step(280);
    PlanRequest request;
    request.splitType = p.choices.splitType;
    request.fileSize = p.job.fileSize;
    request.maxFiles = p.choices.maxFiles;
    const ExtraInput extra = extraInputOf(request.splitType);
    if (extra == ExtraInput::kTypedSize) {
        step(370);
        double size = platform::roundHalfAway(platform::numberOf(p.choices.typedSize));
        step(380);
        request.typedSize = size * static_cast<double>(unitBytes(p.choices.unit));
    } else if (extra == ExtraInput::kPieceCount) {
        step(420);
        if (!platform::readsAsNumber(p.choices.pieceCountText)) throw RuntimeError(platform::kTypeMismatch);
        request.yCount = platform::numberOf(p.choices.pieceCountText);
    }
    p.plan = planPieces(request);
    step(p.plan.line);
    if (p.plan.outcome == PlanOutcome::kDivisionByZero) throw RuntimeError(platform::kDivisionByZero);
    if (p.plan.outcome != PlanOutcome::kOk)
        return refusal(p.plan.outcome == PlanOutcome::kEmptyFile ? Reason::kFileUnusable : Reason::kChoices,
                       refusalText(p.plan.outcome), refusalIcon(p.plan.outcome));
    p.job.pieceSize = p.plan.pieceSize;
    p.job.pieceCount = p.plan.pieceCount;
    return kGoOn;
}

// The drive's file system holds no piece of the planned size (a FAT32 stick):
// on a Yes, "Split for Equal size" with the largest size it holds, planned
// afresh; on a No, nothing changes.
Outcome takeSmallerPieces(Preparing& p, const DiskVerdict& disk) {
    if (!p.view.ask({Question::Kind::kOffer, disk.offer})) return refusal();
    p.view.equalPiecesChosen(disk.largestFile);
    p.choices.splitType = kEqualSize;
    p.choices.typedSize = std::to_string(disk.largestFile);
    p.choices.unit = 0;
    return planThePieces(p);
}

// The output folder takes the planned files. Its room for them was settled
// before the plan (the whole file), or is settled as the run begins (one
// piece, with Pause on), where the user is told so.
Outcome checkOutputFolder(Preparing& p) {
    DiskVerdict disk = checkDisk(p.job, 1, 0, p.view);
    if (disk.kind == DiskVerdict::Kind::kFileSystem) {
        if (Outcome refused = takeSmallerPieces(p, disk)) return refused;
        disk = checkDisk(p.job, 1, 0, p.view);  // offered once: what still does not fit is refused
    }
    switch (disk.kind) {
    case DiskVerdict::Kind::kTakes: break;
    case DiskVerdict::Kind::kDeclined: return refusal();
    case DiskVerdict::Kind::kFileSystem:
    case DiskVerdict::Kind::kRefused:
    case DiskVerdict::Kind::kTooSmall: return refusal(Reason::kChoices, disk.why, disk.icon);
    }
    p.job.removeFirst = disk.removeFirst;
    return kGoOn;
}

}  // namespace

Preparation prepareJob(const SplitChoices& choices, PrepareView& view) {
    Preparing p{choices, view, SplitJob(), std::string(20, ' '), Plan()};
    p.job.deletePartial = choices.deletePartial;
    for (auto check : {checkRequest, checkNames, measureInput, checkSpace, planThePieces,
                       checkOutputFolder})
        if (Outcome refused = check(p)) return *refused;
    return p.job;
}

}  // namespace split
