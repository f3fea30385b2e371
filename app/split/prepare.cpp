#include "split/prepare.h"

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/guarded.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "split/input_guard.h"
#include "split/library.h"
#include "split/messages.h"
#include "split/names.h"
#include "split/plan.h"

namespace split {

using platform::RuntimeError;
using platform::step;

namespace {

void refuse(Preparation& prep, const std::string& text = "", unsigned icon = 0,
            Refusal::Then then = Refusal::Then::kEnableSplit) {
    prep.ready = false;
    prep.refusal.text = text;
    prep.refusal.icon = icon;
    prep.refusal.then = then;
}

}  // namespace

void prepareJob(const SplitChoices& choices, PrepareView& view, Preparation& prep) {
    SplitJob& job = prep.job;
    step(30);
    std::string sizeText(20, ' ');
    step(35);
    if (!platform::readsAsNumber(choices.typedSize)) return refuse(prep);

    step(40);
    if (!platform::anythingExists(choices.outFolder) && choices.outDrive.empty()) {
        step(50);
        return refuse(prep, kNoOutputFolder, platform::kExclamation, Refusal::Then::kFocusFolders);
    }

    step(70);
    job.inPath = platform::joinFolder(choices.inDir, choices.inFileName);
    view.outputAccepted();
    step(100);
    job.extension = extension(choices.inFileName);
    step(110);
    job.batchStem = batchStem(choices.inFileName);
    step(130);
    prep.fileUnusable = true;  // a name too short to name its pieces
    job.pieceStem = pieceStem(choices.inFileName);
    prep.fileUnusable = false;
    step(140);
    // The folder is fixed for the whole run: a folder chosen while pieces are
    // being written must not scatter them or their batch file.
    job.outDir = choices.outFolder;

    // Nothing may delete or overwrite the input itself, whatever path reaches it.
    std::string clash = inputTargetClash(job, choices.inDir, choices.inFileName);
    if (!clash.empty()) return refuse(prep, clash, platform::kExclamation);

    step(145);
    if (choices.deletePartial) {
        for (int n = 1; n <= 99; ++n) {
            step(147);
            std::string old = piecePath(job.outDir, job.pieceStem, n);
            if (platform::ordinaryFileExists(old)) platform::deleteFileQuietly(old);
            step(149);
        }
    }

    step(150);
    if (!bigFileSize(job.inPath, sizeText)) {
        // The library has said that it cannot open the file: it has gone since
        // it was chosen, or its name cannot be passed on.
        prep.fileUnusable = true;
        return refuse(prep, "", 0, Refusal::Then::kNothing);
    }
    job.stamped = platform::stampFile(job.inPath, job.inputStamp);
    step(160);
    job.fileSize = platform::leadingWholeNumber(sizeText);

    step(165);
    if (job.fileSize > kQuestionAbove) {
        step(170);
        if (!view.confirm(sizeQuestion(job.fileSize))) {
            step(180);
            return refuse(prep);
        }
    }

    step(252);
    job.freeBytes = freeBytesOnDrive(choices.outDrive);
    step(258);
    if (job.fileSize > job.freeBytes && !choices.pause) {
        step(260);
        return refuse(prep, capacityReport(job.fileSize, job.freeBytes), platform::kCritical,
                      Refusal::Then::kEnableSplitFirst);
    }

    step(270);
    step(280);
    const double unitBytes = static_cast<double>(split::unitBytes(choices.unit));
    PlanRequest request;
    request.splitType = choices.splitType;
    request.fileSize = job.fileSize;
    request.maxFiles = choices.maxFiles;
    if (request.splitType == kEqualSize) {
        step(370);
        double size = platform::roundHalfAway(platform::numberOf(choices.typedSize));
        step(380);
        request.typedSize = size * unitBytes;
    } else if (request.splitType == kIntoYFiles) {
        step(420);
        if (!platform::readsAsNumber(choices.pieceCountText)) throw RuntimeError(platform::kTypeMismatch);
        request.yCount = platform::numberOf(choices.pieceCountText);
    }
    Plan plan = planPieces(request);
    step(plan.line);
    if (plan.outcome == PlanOutcome::kDivisionByZero) throw RuntimeError(platform::kDivisionByZero);
    if (plan.outcome != PlanOutcome::kOk) {
        prep.fileUnusable = plan.outcome == PlanOutcome::kEmptyFile;
        return refuse(prep, refusalText(plan.outcome), refusalIcon(plan.outcome));
    }

    // A FAT drive holds no file of 4 GiB or more: refused before the first byte.
    const std::string fileSystem = platform::fileSystemOf(job.outDir);
    if (plan.pieceSize > largestFileOn(fileSystem))
        return refuse(prep, pieceTooLargeForDrive(job.outDir, fileSystem, plan.pieceSize), platform::kExclamation);
    job.pieceSize = plan.pieceSize;
    job.pieceCount = plan.pieceCount;
    prep.ready = true;
}

}  // namespace split
