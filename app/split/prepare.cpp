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

Refusal refusal(Reason reason = Reason::kChoices, const std::string& text = "", Severity severity = Severity::kPlain) {
    return Refusal{reason, text, severity};
}

// A size that reads as no number, or no output folder at all.
Outcome checkRequest(Preparing& p) {
    step(35);
    if (!platform::readsAsNumber(p.choices.typedSize)) return refusal();
    step(40);
    if (!platform::anythingExists(p.choices.outFolder) && p.choices.outDrive.empty()) {
        step(50);
        return refusal(Reason::kNoOutputFolder, kNoOutputFolder, Severity::kWarning);
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
    std::string clash;
    p.view.whileWindowAnswers([&] { clash = inputTargetClash(p.job, p.choices.inDir, p.choices.inFileName); }, [] {});
    if (!clash.empty()) return refusal(Reason::kChoices, clash, Severity::kWarning);
    // Only another name helps for the rest. The piece count is not known yet:
    // every piece number the run may write.
    std::string renameIt = rebuildsItselfText(out);
    if (renameIt.empty()) renameIt = reservedNameRefusal(p.choices.inFileName, out.names(1, kMaxPieces));
    if (!renameIt.empty()) return refusal(Reason::kFileUnusable, renameIt, Severity::kWarning);
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
        return refusal(Reason::kFileUnusable, inputNotOpenText(job.inPath), Severity::kError);
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
                       refusalText(p.plan.outcome), refusalSeverity(p.plan.outcome));
    p.job.pieceSize = p.plan.pieceSize;
    p.job.pieceCount = p.plan.pieceCount;
    return kGoOn;
}

// The output folder takes the planned files, by the check every disk of the
// run goes through. Smaller pieces the user took there (a FAT32 stick) are
// the window's choice from then on: "Split for Equal size" with that size.
Outcome checkOutputFolder(Preparing& p) {
    step(252);
    const DiskVerdict disk = checkDisk(p.job, DiskPlace{}, p.view);
    if (takeSmallerPieces(p.job, disk)) p.view.equalPiecesChosen(p.job.pieceSize);
    switch (disk.kind) {
    case DiskVerdict::Kind::kTakes: break;
    case DiskVerdict::Kind::kDeclined: return refusal();
    case DiskVerdict::Kind::kTooSmall:
        step(260);
        return refusal(Reason::kDriveTooSmall, disk.why, disk.severity);
    case DiskVerdict::Kind::kRefused: return refusal(Reason::kChoices, disk.why, disk.severity);
    }
    p.job.removeFirst = disk.removeFirst;
    return kGoOn;
}

}  // namespace

Preparation prepareJob(const SplitChoices& choices, PrepareView& view) {
    Preparing p{choices, view, SplitJob(), std::string(20, ' '), Plan()};
    p.job.deletePartial = choices.deletePartial;
    p.job.pause = choices.pause;
    for (auto check : {checkRequest, checkNames, measureInput, planThePieces, checkOutputFolder})
        if (Outcome refused = check(p)) return *refused;
    return p.job;
}

}  // namespace split
