#include "split/prepare.h"

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/guarded.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "split/device_names.h"
#include "split/folder_survey.h"
#include "split/input_guard.h"
#include "split/library.h"
#include "split/messages.h"
#include "split/names.h"
#include "split/output_names.h"
#include "split/split_outputs.h"
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
    step(110);
    step(130);
    prep.fileUnusable = true;  // a name too short to name its pieces
    // The folder is fixed for the whole run: a folder chosen while pieces are
    // being written must not scatter them or their batch file.
    job.outputs = SplitOutputs(choices.outFolder, choices.inFileName);
    prep.fileUnusable = false;
    step(140);
    const SplitOutputs& out = job.outputs;

    // Nothing may delete or overwrite the input itself, whatever path reaches
    // it, nor rebuild the file over its own batch file, joiner or pieces.
    std::string clash = inputTargetClash(job, choices.inDir, choices.inFileName);
    if (!clash.empty()) return refuse(prep, clash, platform::kExclamation);
    clash = rebuildsItselfText(out);
    if (!clash.empty()) {
        prep.fileUnusable = true;  // only another name helps
        return refuse(prep, clash, platform::kExclamation);
    }

    // Before anything is deleted or written: names Windows keeps for devices.
    // The piece count is not known yet: every piece number the run may write.
    const std::string reserved = reservedNameRefusal(choices.inFileName, out.names(1, kMaxPieces));
    if (!reserved.empty()) {
        prep.fileUnusable = true;  // only another name helps
        return refuse(prep, reserved, platform::kExclamation);
    }

    // Old pieces go only once every check has passed, but the space they
    // free counts already.
    step(145);
    std::vector<std::string> oldPieces;
    int64_t oldPieceBytes = 0;
    if (choices.deletePartial) {
        for (int n = 1; n <= kMaxPieces; ++n) {
            step(147);
            platform::FileStamp stamp;
            if (platform::ordinaryFileExists(out.piecePath(n)) && platform::stampFile(out.piecePath(n), stamp)) {
                oldPieces.push_back(out.pieceName(n));
                oldPieceBytes += static_cast<int64_t>(stamp.length);
            }
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
    // The library opens the input for the first piece and keeps others from
    // writing it: where that cannot be done, nothing is touched.
    if (!platform::openableDenyingWrites(job.inPath)) {
        prep.fileUnusable = true;
        return refuse(prep, inputNotOpenText(job.inPath), platform::kCritical, Refusal::Then::kNothing);
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
    job.freeBytes = freeBytesIn(out.folder()) + oldPieceBytes;
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

    const std::string inTheWay = nameInTheWay(out.folder(), out.names(1, plan.pieceCount));
    if (!inTheWay.empty()) return refuse(prep, inTheWay, platform::kExclamation);

    // A FAT drive holds no file of 4 GiB or more: refused before the first byte.
    const std::string fileSystem = platform::fileSystemOf(out.folder());
    if (plan.pieceSize > largestFileOn(fileSystem))
        return refuse(prep, pieceTooLargeForDrive(out.folder(), fileSystem, plan.pieceSize), platform::kExclamation);

    // What already stands at the names: another file's split and the user's
    // own files are replaced only when the user says so.
    if (!mayReplace(out, out.names(1, choices.deletePartial ? kMaxPieces : plan.pieceCount), choices.deletePartial,
                    view, job.removeFirst))
        return refuse(prep);
    for (const std::string& piece : oldPieces) job.removeFirst.push_back(piece);
    job.pieceSize = plan.pieceSize;
    job.pieceCount = plan.pieceCount;
    prep.ready = true;
}

bool mayReplace(const SplitOutputs& outputs, const std::vector<std::string>& names, bool piecesAreOurs,
                ReplaceQuestions& ask, std::vector<std::string>& removeFirst) {
    const FolderSurvey survey = surveyFolder(outputs, names, piecesAreOurs);
    if (!survey.otherOwner.empty() &&
        !ask.replaceAllowed(replaceQuestion(outputs.folder(), survey.otherOwner, outputs.target())))
        return false;
    if (!survey.usersOwn.empty() &&
        !ask.replaceAllowed(usersOwnQuestion(outputs.folder(), survey.usersOwn, outputs.target())))
        return false;
    removeFirst.insert(removeFirst.end(), survey.earlierOwn.begin(), survey.earlierOwn.end());
    removeFirst.insert(removeFirst.end(), survey.otherFiles.begin(), survey.otherFiles.end());
    return true;
}

}  // namespace split
