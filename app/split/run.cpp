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

void frmSplitter::runSplit(int& line, split::SplitJob& job) {
    line = 520;
    lblStatus.setCaption("Reading...");
    line = 530;
    lblStatus.refreshNow();
    line = 535;
    setHourglass(true);
    line = 537;
    if (pauseFlag != 0 && job.pieceSize > job.freeBytes) {
        cmdSPlit.setEnabled(true);
        setHourglass(false);
        platform::msgBox(split::pieceCapacityReport(job.pieceSize, job.freeBytes), platform::kCritical);
        return;
    }

    int64_t pieceStart = 0;
    line = 500;
    int64_t pieceEnd = job.pieceSize;
    for (int pieceNo = 1; pieceNo <= job.pieceCount; ++pieceNo) {
        line = 540;
        std::string piece = split::piecePath(job.outDir, job.pieceStem, pieceNo);
        line = 550;
        platform::doEvents();
        line = 560;
        bool copied = split::copyPiece(job.inPath, piece, pieceStart, pieceEnd, pieceNo, job.pieceCount);
        line = 570;
        if (!copied) {
            // The library has told the user; the pieces written so far stay.
            setHourglass(false);
            return;
        }
        line = 580;
        pieceStart += job.pieceSize;
        line = 590;
        pieceEnd += job.pieceSize;
        line = 600;
        platform::setNormalAttributes(piece);
        line = 610;
        lblStatus.setCaption("File " + std::to_string(pieceNo) + " Done! Reading...");
        lblStatus.refreshNow();
        line = 620;
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
    std::string batchPath = writeBatchFile(line, job, namesEveryFile);
    line = 735;
    setHourglass(false);
    line = 740;
    platform::msgBox(namesEveryFile ? split::successMessage(batchPath)
                                    : split::successMessageWithoutBatch(batchPath, inFileName),
                     platform::kExclamation);
    line = 750;
    lblStatus.setCaption("Operation Complete");
    line = 760;
    lblStatus.refreshNow();
    backToFileChoice(line);
    line = 930;
    cmdSPlit.setEnabled(true);
}

void frmSplitter::backToFileChoice(int& line) {
    line = 770;
    cmdSPlit.setCaption(kFileChoice);
    line = 780;
    cmdSPlit.setEnabled(true);
    savedFileIndex = static_cast<short>(fiInFile.listIndex() < 0 ? 0 : fiInFile.listIndex());
    line = 785;
    fiInFile.refresh();
    line = 788;
    if (fiInFile.count() > 0) fiInFile.setListIndex(savedFileIndex);
    line = 800;
    fiInFile.setVisible(true);
    line = 810;
    mnuCreate(1).setEnabled(true);
    line = 820;
    Form_Load();
}
