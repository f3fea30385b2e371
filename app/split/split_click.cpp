// The Split button: the move to the output-choice phase, then the checks and
// the plan of a split up to its first piece.
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/program.h"
#include "platform/runtime_error.h"
#include "split/device_names.h"
#include "split/earlier_split.h"
#include "split/input_guard.h"
#include "split/job.h"
#include "split/library.h"
#include "split/names.h"
#include "split/output_names.h"
#include "split/plan.h"
#include "split/refusals.h"
#include "ui/frm_splitter.h"

using platform::RuntimeError;

void frmSplitter::cmdSPlit_Click() {
    // A click that arrives while the pieces are being written (the run lets
    // events through between pieces) must not start a second run beside it.
    if (runInProgress_) return;
    chosenFileUnusable_ = false;
    guarded("cmdSPlit_Click", AfterReport::NoticeThenRestart, [&] {
        step(10);
        if (inOutputChoicePhase())
            splitFilesNow();
        else
            moveToOutputChoice();
    });
    // A split that failed because of the chosen file itself would fail the
    // same way at every retry: the user goes back to choosing a file.
    if (chosenFileUnusable_)
        guarded("cmdSPlit_Click", AfterReport::Restart, [&] { backToFileChoice(); });
}

void frmSplitter::moveToOutputChoice() {
    step(830);
    fiInFile.setVisible(false);
    step(840);
    mnuCreate(1).setEnabled(true);
    step(850);
    cmdSPlit.setCaption(kOutputChoice);
    step(860);
    cmdSPlit.setEnabled(true);
    step(870);
    lblINorOUT.setCaption("Choose output folder: --> " + cleavDir.path());
    step(900);
    settingsOut[1] = CleavDrive.drive();
    step(910);
    settingsOut[2] = cleavDir.path();
    step(920);
    settingsOut[3] = fiInFile.fileName();
    step(930);
    cmdSPlit.setEnabled(true);
}

void frmSplitter::splitFilesNow() {
    split::SplitJob job;
    if (planSplit(job)) {
        struct Running {
            bool& flag;
            explicit Running(bool& f) : flag(f) { flag = true; }
            ~Running() { flag = false; }
        } running(runInProgress_);
        runSplit(job);
        return;  // the run leaves the button as its outcome needs
    }
}

namespace {
// The first option of a group that is chosen, in index order; -1 for none.
int firstChosen(const platform::OptionButton* buttons, int count) {
    for (int i = 0; i < count; ++i)
        if (buttons[i].value()) return i;
    return -1;
}
}  // namespace

bool frmSplitter::planSplit(split::SplitJob& job) {
    // Every refusal below ends the click with the button enabled again.
    auto refuse = [&] {
        step(930);
        cmdSPlit.setEnabled(true);
        return false;
    };

    step(20);
    cmdSPlit.setEnabled(false);
    step(30);
    std::string sizeText(20, ' ');
    step(33);
    std::string typed;
    for (char c : txtByteSize.text())
        if (c != ',') typed += c;
    txtByteSize.setText(typed);
    step(35);
    if (!platform::readsAsNumber(typed)) return refuse();

    step(40);
    if (!platform::anythingExists(cleavDir.path()) && CleavDrive.drive().empty()) {
        step(50);
        platform::msgBox("You need to choose a path for the output file!", platform::kExclamation);
        step(60);
        cleavDir.setFocus();
        return false;  // choosing a folder enables the button again
    }

    step(70);
    job.inPath = platform::joinFolder(inDirPath, inFileName);
    step(75);
    lblStatus.setCaption("Cleavo Status.");
    step(90);
    step(100);
    job.extension = split::extension(inFileName);
    step(110);
    job.batchStem = split::batchStem(inFileName);

    step(120);
    outDirPath = cleavDir.path();
    step(123);
    settingsOut[4] = CleavDrive.drive();
    step(125);
    settingsOut[5] = cleavDir.path();

    step(130);
    chosenFileUnusable_ = true;  // a name too short to name its pieces
    job.pieceStem = split::pieceStem(inFileName);
    chosenFileUnusable_ = false;
    step(140);
    // The folder is fixed for the whole run: a folder chosen while pieces are
    // being written must not scatter them or their batch file.
    job.outDir = outDirPath;

    // Nothing may delete or overwrite the input itself, whatever path reaches it.
    std::string clash = split::inputTargetClash(job, inDirPath, inFileName);
    if (!clash.empty()) {
        platform::msgBox(clash, platform::kExclamation);
        return refuse();
    }

    // Before anything is deleted or written: names Windows keeps for devices,
    // then another file's split that this one would replace. The piece count
    // is not known yet: every piece number the run may write or delete.
    const std::vector<std::string> mayWrite =
        split::namesRunWrites(job.pieceStem, job.batchStem, inFileName, kMaxFiles);
    const std::string reserved = split::reservedNameRefusal(inFileName, mayWrite);
    if (!reserved.empty()) {
        platform::msgBox(reserved, platform::kExclamation);
        chosenFileUnusable_ = true;  // only another name helps
        return refuse();
    }
    const std::string owner = split::otherSplitOwner(job.outDir, mayWrite, inFileName);
    if (!owner.empty() && platform::msgBox(split::replaceQuestion(job.outDir, owner, inFileName),
                                           split::kReplaceQuestionStyle) != platform::kAnswerYes)
        return refuse();

    step(145);
    if (deletePartialFlag) {
        for (int n = 1; n <= 99; ++n) {
            step(147);
            std::string old = split::piecePath(job.outDir, job.pieceStem, n);
            if (platform::ordinaryFileExists(old)) platform::deleteFileQuietly(old);
            step(149);
        }
    }

    step(150);
    if (!split::bigFileSize(job.inPath, sizeText)) {
        // The library has said that it cannot open the file: it has gone since
        // it was chosen, or its name cannot be passed on.
        chosenFileUnusable_ = true;
        return false;
    }
    job.stamped = platform::stampFile(job.inPath, job.inputStamp);
    step(160);
    job.fileSize = platform::leadingWholeNumber(sizeText);

    step(165);
    if (job.fileSize > split::kQuestionAbove) {
        step(170);
        int answer = platform::msgBox(split::sizeQuestion(job.fileSize), platform::kYesNo | platform::kQuestion);
        if (answer == platform::kAnswerNo) {
            step(180);
            return refuse();
        }
    }

    step(252);
    job.freeBytes = split::freeBytesOnDrive(CleavDrive.drive());
    step(258);
    if (job.fileSize > job.freeBytes && pauseFlag == 0) {
        cmdSPlit.setEnabled(true);
        step(260);
        platform::msgBox(split::capacityReport(job.fileSize, job.freeBytes), platform::kCritical);
        return false;
    }

    step(270);
    int unit = optBytesButton[0].value() ? 0 : optBytesButton[1].value() ? 1 : 2;
    step(280);
    const double unitBytes = static_cast<double>(split::unitBytes(unit));

    split::PlanRequest request;
    request.splitType = firstChosen(optSplitTypeButton, 8);
    request.fileSize = job.fileSize;
    request.maxFiles = maxFiles;
    if (request.splitType == split::kEqualSize) {
        step(370);
        double size = platform::roundHalfAway(platform::numberOf(typed));
        step(380);
        request.typedSize = size * unitBytes;
    } else if (request.splitType == split::kIntoYFiles) {
        step(420);
        std::string count = cboEqualNumber.text();
        if (!platform::readsAsNumber(count)) throw RuntimeError(platform::kTypeMismatch);
        request.yCount = platform::numberOf(count);
    }
    split::Plan plan = split::planPieces(request);
    step(plan.line);
    if (plan.outcome == split::PlanOutcome::kDivisionByZero) throw RuntimeError(platform::kDivisionByZero);
    if (plan.outcome != split::PlanOutcome::kOk) {
        platform::msgBox(split::refusalText(plan.outcome), split::refusalIcon(plan.outcome));
        chosenFileUnusable_ = plan.outcome == split::PlanOutcome::kEmptyFile;
        return refuse();
    }

    // A FAT drive holds no file of 4 GiB or more: refused before the first byte.
    const std::string fileSystem = platform::fileSystemOf(job.outDir);
    if (plan.pieceSize > split::largestFileOn(fileSystem)) {
        platform::msgBox(split::pieceTooLargeForDrive(split::driveOf(job.outDir), fileSystem, plan.pieceSize),
                         platform::kExclamation);
        return refuse();
    }
    const std::string inTheWay = split::nameInTheWay(
        job.outDir, split::namesRunWrites(job.pieceStem, job.batchStem, inFileName, plan.pieceCount));
    if (!inTheWay.empty()) {
        platform::msgBox(inTheWay, platform::kExclamation);
        return refuse();
    }
    job.pieceSize = plan.pieceSize;
    job.pieceCount = plan.pieceCount;
    return true;
}
