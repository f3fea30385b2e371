#include "split/prepare.h"

#include <algorithm>
#include <optional>

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

// What the checks work on, and fill in, one after the other.
struct Preparing {
    const SplitChoices& choices;
    PrepareView& view;
    SplitJob job;
    std::string sizeText = std::string(20, ' ');
    // The pieces "Delete partial" removes, and the bytes they free.
    std::vector<std::string> oldPieces;
    int64_t oldPieceBytes = 0;
    Plan plan;
};

using Outcome = std::optional<Refusal>;
const Outcome kGoOn = std::nullopt;

Refusal refusal(const std::string& text = "", unsigned icon = 0, Refusal::Then then = Refusal::Then::kEnableSplit,
                bool fileUnusable = false) {
    return Refusal{text, icon, then, fileUnusable};
}

// A size that reads as no number, or no output folder at all.
Outcome checkRequest(Preparing& p) {
    step(30);
    step(35);
    if (!platform::readsAsNumber(p.choices.typedSize)) return refusal();
    step(40);
    if (!platform::anythingExists(p.choices.outFolder) && p.choices.outDrive.empty()) {
        step(50);
        return refusal(kNoOutputFolder, platform::kExclamation, Refusal::Then::kFocusFolders);
    }
    step(70);
    p.job.inPath = platform::joinFolder(p.choices.inDir, p.choices.inFileName);
    p.view.outputAccepted();
    return kGoOn;
}

// The names the split writes: none of them the input, a device or the file's
// own rebuilt name.
Outcome checkNames(Preparing& p) {
    step(100);
    step(110);
    step(130);
    // The folder is fixed for the whole run: a folder chosen while pieces are
    // being written must not scatter them or their batch file.
    p.job.outputs = SplitOutputs(p.choices.outFolder, p.choices.inFileName);
    step(140);
    const SplitOutputs& out = p.job.outputs;
    // Nothing may delete or overwrite the input itself, whatever path reaches it.
    const std::string clash = inputTargetClash(p.job, p.choices.inDir, p.choices.inFileName);
    if (!clash.empty()) return refusal(clash, platform::kExclamation);
    // Only another name helps for the rest. The piece count is not known yet:
    // every piece number the run may write.
    std::string renameIt = rebuildsItselfText(out);
    if (renameIt.empty()) renameIt = reservedNameRefusal(p.choices.inFileName, out.names(1, kMaxPieces));
    if (!renameIt.empty()) return refusal(renameIt, platform::kExclamation, Refusal::Then::kEnableSplit, true);
    return kGoOn;
}

// Old pieces asked to be deleted go only once every check has passed, but
// the space they free counts already.
Outcome findOldPieces(Preparing& p) {
    step(145);
    if (!p.choices.deletePartial) return kGoOn;
    for (int n = 1; n <= kMaxPieces; ++n) {
        step(147);
        platform::FileStamp stamp;
        const std::string path = p.job.outputs.piecePath(n);
        if (platform::ordinaryFileExists(path) && platform::stampFile(path, stamp)) {
            p.oldPieces.push_back(p.job.outputs.pieceName(n));
            p.oldPieceBytes += static_cast<int64_t>(stamp.length);
        }
        step(149);
    }
    return kGoOn;
}

// The input as the library sees it: its size, and whether it can be held
// open, unchanged by others, through the run.
Outcome measureInput(Preparing& p) {
    SplitJob& job = p.job;
    step(150);
    // Else the library has said that it cannot open the file: it has gone
    // since it was chosen, or its name cannot be passed on.
    if (!bigFileSize(job.inPath, p.sizeText)) return refusal("", 0, Refusal::Then::kNothing, true);
    if (!platform::openableDenyingWrites(job.inPath))
        return refusal(inputNotOpenText(job.inPath), platform::kCritical, Refusal::Then::kNothing, true);
    job.stamped = platform::stampFile(job.inPath, job.inputStamp);
    step(160);
    job.fileSize = platform::leadingWholeNumber(p.sizeText);
    step(165);
    if (job.fileSize > kQuestionAbove) {
        step(170);
        if (!p.view.confirm(sizeQuestion(job.fileSize))) {
            step(180);
            return refusal();
        }
    }
    return kGoOn;
}

// Without pauses to change disks, the whole file must fit in the folder.
Outcome checkSpace(Preparing& p) {
    step(252);
    p.job.freeBytes = freeBytesIn(p.job.outputs.folder()) + p.oldPieceBytes;
    step(258);
    if (p.job.fileSize > p.job.freeBytes && !p.choices.pause) {
        step(260);
        return refusal(capacityReport(p.job.fileSize, p.job.freeBytes), platform::kCritical,
                       Refusal::Then::kEnableSplitFirst);
    }
    return kGoOn;
}

Outcome planThePieces(Preparing& p) {
    step(270);
    step(280);
    PlanRequest request;
    request.splitType = p.choices.splitType;
    request.fileSize = p.job.fileSize;
    request.maxFiles = p.choices.maxFiles;
    if (request.splitType == kEqualSize) {
        step(370);
        double size = platform::roundHalfAway(platform::numberOf(p.choices.typedSize));
        step(380);
        request.typedSize = size * static_cast<double>(unitBytes(p.choices.unit));
    } else if (request.splitType == kIntoYFiles) {
        step(420);
        if (!platform::readsAsNumber(p.choices.pieceCountText)) throw RuntimeError(platform::kTypeMismatch);
        request.yCount = platform::numberOf(p.choices.pieceCountText);
    }
    p.plan = planPieces(request);
    step(p.plan.line);
    if (p.plan.outcome == PlanOutcome::kDivisionByZero) throw RuntimeError(platform::kDivisionByZero);
    if (p.plan.outcome != PlanOutcome::kOk)
        return refusal(refusalText(p.plan.outcome), refusalIcon(p.plan.outcome), Refusal::Then::kEnableSplit,
                       p.plan.outcome == PlanOutcome::kEmptyFile);
    p.job.pieceSize = p.plan.pieceSize;
    p.job.pieceCount = p.plan.pieceCount;
    return kGoOn;
}

// The output folder takes the planned files.
Outcome checkOutputFolder(Preparing& p) {
    const SplitOutputs& out = p.job.outputs;
    const std::string refused = folderRefusal(out.folder(), out.names(1, p.job.pieceCount), p.job.pieceSize);
    if (!refused.empty()) return refusal(refused, platform::kExclamation);
    return kGoOn;
}

// What already stands at the names: another file's split and the user's own
// files are replaced only when the user says so.
Outcome askAboutWhatIsThere(Preparing& p) {
    const SplitOutputs& out = p.job.outputs;
    const int touched = p.choices.deletePartial ? kMaxPieces : p.job.pieceCount;
    std::string refused;
    if (!mayReplace(out, 1, touched, p.choices.deletePartial, p.view, p.job.removeFirst, refused))
        return refusal(refused, refused.empty() ? 0u : static_cast<unsigned>(platform::kExclamation));
    for (const std::string& piece : p.oldPieces)
        if (std::find(p.job.removeFirst.begin(), p.job.removeFirst.end(), piece) == p.job.removeFirst.end())
            p.job.removeFirst.push_back(piece);
    return kGoOn;
}

}  // namespace

Preparation prepareJob(const SplitChoices& choices, PrepareView& view) {
    Preparing p{choices, view, SplitJob(), std::string(20, ' '), {}, 0, Plan()};
    for (auto check : {checkRequest, checkNames, findOldPieces, measureInput, checkSpace, planThePieces,
                       checkOutputFolder, askAboutWhatIsThere})
        if (Outcome refused = check(p)) return *refused;
    return p.job;
}

bool mayReplace(const SplitOutputs& outputs, int firstPiece, int lastPiece, bool piecesAreOurs,
                ReplaceQuestions& ask, std::vector<std::string>& removeFirst, std::string& refused) {
    const FolderSurvey survey = surveyFolder(outputs, firstPiece, lastPiece, piecesAreOurs);
    if (!survey.unlisted.empty()) {
        refused = folderUnlistedText(outputs.folder(), survey.unlisted);
        return false;
    }
    if (!survey.otherOwners.empty() &&
        !ask.replaceAllowed(replaceQuestion(outputs.folder(), survey.otherOwners, outputs.target())))
        return false;
    if (!survey.usersOwn.empty() &&
        !ask.replaceAllowed(usersOwnQuestion(outputs.folder(), survey.usersOwn, outputs.target())))
        return false;
    // Replacing removes the name first: nothing is truncated in place, which
    // would write through a link into a file elsewhere.
    for (const auto* names : {&survey.earlierOwn, &survey.otherFiles, &survey.usersOwn})
        removeFirst.insert(removeFirst.end(), names->begin(), names->end());
    return true;
}

namespace {
std::string removalRefused(const std::string& path, platform::Removal removal) {
    switch (removal) {
    case platform::Removal::kGone: break;
    case platform::Removal::kReadOnly: return removalFailedText(path, "it is read-only");
    case platform::Removal::kInUse: return removalFailedText(path, "another program holds it open");
    case platform::Removal::kDenied: return removalFailedText(path, "access is denied");
    }
    return "";
}
}  // namespace

std::string removeBeforeWriting(const SplitJob& job, const std::vector<std::string>& names) {
    platform::FileIdentity input;
    const bool known = platform::identifyFile(job.inPath, input);
    // Every one asked first, so that a refusal leaves all of them in place.
    for (const std::string& name : names) {
        const std::string path = job.outputs.path(name);
        platform::FileIdentity there;
        if (known && platform::identifyFile(path, there) && there == input)
            return removalFailedText(path, "it is the file being split");
        const std::string refused = removalRefused(path, platform::removable(path));
        if (!refused.empty()) return refused;
    }
    for (const std::string& name : names) {
        const std::string path = job.outputs.path(name);
        const std::string refused = removalRefused(path, platform::removeName(path));
        if (!refused.empty()) return refused;
    }
    return "";
}

}  // namespace split
