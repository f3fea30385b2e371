// The run: one library call per piece, the status line after each, the pause
// between pieces, then the batch file and the return to the file-choice phase.
#include <string>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/program.h"
#include "split/job.h"
#include "split/library.h"
#include "split/names.h"
#include "split/plan.h"
#include "ui/frm_splitter.h"

void frmSplitter::runSplit(split::SplitJob& job) {
    step(520);
    lblStatus.setCaption("Reading...");
    step(530);
    lblStatus.refreshNow();
    step(535);
    setHourglass(true);
    step(537);
    if (pauseFlag != 0 && job.pieceSize > job.freeBytes) {
        cmdSPlit.setEnabled(true);
        setHourglass(false);
        platform::msgBox(split::pieceCapacityReport(job.pieceSize, job.freeBytes), platform::kCritical);
        return;
    }

    int64_t pieceStart = 0;
    step(500);
    int64_t pieceEnd = job.pieceSize;
    for (int pieceNo = 1; pieceNo <= job.pieceCount; ++pieceNo) {
        step(540);
        std::string piece = split::piecePath(job.outDir, job.pieceStem, pieceNo);
        step(550);
        platform::doEvents();
        step(560);
        bool copied = split::copyPiece(job.inPath, piece, pieceStart, pieceEnd, pieceNo, job.pieceCount);
        step(570);
        if (!copied) {
            // The library has told the user; the pieces written so far stay.
            setHourglass(false);
            return;
        }
        step(580);
        pieceStart += job.pieceSize;
        step(590);
        pieceEnd += job.pieceSize;
        step(600);
        platform::setNormalAttributes(piece);
        step(610);
        lblStatus.setCaption("File " + std::to_string(pieceNo) + " Done! Reading...");
        lblStatus.refreshNow();
        step(620);
        platform::doEvents();
        if (pauseFlag != 0 && pieceNo < job.pieceCount)
            platform::msgBox(split::pauseMessage(pieceNo, job.pieceCount), platform::kInformation);
    }

    // The pieces hold the file only if nobody changed it since it was measured.
    platform::FileStamp now;
    if (job.stamped && (!platform::stampFile(job.inPath, now) || now != job.inputStamp)) {
        platform::deleteFileQuietly(platform::joinFolder(job.outDir, job.batchStem + ".bat"));
        setHourglass(false);
        cmdSPlit.setEnabled(true);
        platform::msgBox(split::inputChangedMessage(job.inPath), platform::kCritical);
        return;
    }

    bool namesEveryFile = true;
    std::string batchPath = writeBatchFile(job, namesEveryFile);
    step(735);
    setHourglass(false);
    step(740);
    platform::msgBox(namesEveryFile ? split::successMessage(batchPath)
                                    : split::successMessageWithoutBatch(batchPath, inFileName),
                     platform::kExclamation);
    step(750);
    lblStatus.setCaption("Operation Complete");
    step(760);
    lblStatus.refreshNow();
    backToFileChoice();
    step(930);
    cmdSPlit.setEnabled(true);
}

void frmSplitter::backToFileChoice() {
    step(770);
    cmdSPlit.setCaption(kFileChoice);
    step(780);
    cmdSPlit.setEnabled(true);
    savedFileIndex = static_cast<short>(fiInFile.listIndex() < 0 ? 0 : fiInFile.listIndex());
    step(785);
    fiInFile.refresh();
    step(788);
    if (fiInFile.count() > 0) fiInFile.setListIndex(savedFileIndex);
    step(800);
    fiInFile.setVisible(true);
    step(810);
    mnuCreate(1).setEnabled(true);
    step(820);
    Form_Load();
}
