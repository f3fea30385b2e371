#include "split/run.h"

#include <string>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/guarded.h"
#include "platform/message_loop.h"
#include "split/job.h"
#include "split/names.h"
#include "split/piece_writer.h"
#include "split/plan.h"

namespace split {

using platform::step;

RunResult runPieces(const SplitJob& job, RunView& view) {
    RunResult result;
    step(520);
    view.setStatus("Reading...");
    step(530);
    view.repaintStatus();
    step(535);
    view.showHourglass(true);
    step(537);
    if (view.pauseWanted() && job.pieceSize > job.freeBytes) {
        view.enableSplitButton();
        view.showHourglass(false);
        platform::msgBox(pieceCapacityReport(job.pieceSize, job.freeBytes), platform::kCritical);
        return result;
    }

    int64_t pieceStart = 0;
    step(500);
    int64_t pieceEnd = job.pieceSize;
    for (int pieceNo = 1; pieceNo <= job.pieceCount; ++pieceNo) {
        step(540);
        std::string piece = piecePath(job.outDir, job.pieceStem, pieceNo);
        step(550);
        platform::doEvents();
        step(560);
        bool copied = writePiece(job, piece, pieceStart, pieceEnd, pieceNo, view);
        step(570);
        if (view.windowGone()) {
            result.end = RunEnd::kWindowGone;
            return result;
        }
        if (!copied) {
            // The library has told the user; the pieces written so far stay.
            view.showHourglass(false);
            result.end = RunEnd::kPieceFailed;
            return result;
        }
        step(580);
        pieceStart += job.pieceSize;
        step(590);
        pieceEnd += job.pieceSize;
        step(600);
        platform::setNormalAttributes(piece);
        step(610);
        view.setStatus("File " + std::to_string(pieceNo) + " Done! Reading...");
        view.repaintStatus();
        step(620);
        platform::doEvents();
        if (view.pauseWanted() && pieceNo < job.pieceCount)
            platform::msgBox(pauseMessage(pieceNo, job.pieceCount), platform::kInformation);
    }

    // The pieces hold the file only if nobody changed it since it was measured.
    platform::FileStamp now;
    if (job.stamped && (!platform::stampFile(job.inPath, now) || now != job.inputStamp)) {
        platform::deleteFileQuietly(batchPath(job.outDir, job.batchStem));
        view.showHourglass(false);
        view.enableSplitButton();
        platform::msgBox(inputChangedMessage(job.inPath), platform::kCritical);
        result.end = RunEnd::kInputChanged;
        return result;
    }

    result.batchPath = writeBatchFile(job, view, result.batchWritten);
    result.end = RunEnd::kPiecesWritten;
    return result;
}

}  // namespace split
