#include "split/run.h"

#include <algorithm>
#include <functional>
#include <string>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/guarded.h"
#include "platform/runtime_error.h"
#include "split/input_hashes.h"
#include "split/batch.h"
#include "split/job.h"
#include "split/kit.h"
#include "split/messages.h"
#include "split/names.h"
#include "split/piece_check.h"
#include "split/piece_writer.h"

namespace split {

using platform::step;

namespace {

// A batch file or kit of these names would join, or check, pieces that this
// run has replaced.
void deleteOutputsOfEarlierSplit(const SplitJob& job) {
    platform::deleteFileQuietly(batchPath(job.outDir, job.batchStem));
    deleteKit(job);
}

// The pieces hold the file only if nobody changed it since it was measured.
bool inputChanged(const SplitJob& job) {
    platform::FileStamp now;
    return job.stamped && (!platform::stampFile(job.inPath, now) || now != job.inputStamp);
}

// A piece the library reports written is counted only if the disk holds it
// whole; true, after saying why, when it does not.
bool stopUnlessWhole(const SplitJob& job, const PieceWatch& watch, uint64_t length, RunView& view) {
    std::string why = watch.notWhole(length);
    if (why.empty()) return false;
    if (inputChanged(job)) why = inputChangedMessage(job.inPath);
    deleteOutputsOfEarlierSplit(job);
    view.showHourglass(false);
    view.enableSplitButton();
    view.tell(why, platform::kCritical);
    return true;
}

KitContents kitOf(const SplitJob& job, InputHashes& hashes) {
    KitContents kit;
    kit.target = job.batchStem + job.extension;
    for (int n = 1; n <= job.pieceCount; ++n) kit.pieceNames.push_back(pieceName(job.pieceStem, n));
    kit.pieces = hashes.pieces();
    kit.wholeHex = hashes.wholeHex();
    return kit;
}

RunResult writePieces(const SplitJob& job, RunView& view) {
    RunResult result;
    InputHashes hashes;
    bool inputCutShort = false;
    // Each piece's hashes run beside the copy of the next piece, off the
    // window's thread; reading past the input's end means it was shortened
    // since it was measured.
    auto hashing = [&](const std::function<void()>& work) {
        try {
            view.whileWindowWaits(work, [] {});
            return true;
        } catch (const platform::RuntimeError& e) {
            if (e.number() != platform::kInputPastEnd) throw;
            return false;
        }
    };
    int64_t pieceStart = 0;
    step(500);
    int64_t pieceEnd = job.pieceSize;
    for (int pieceNo = 1; pieceNo <= job.pieceCount; ++pieceNo) {
        step(540);
        std::string piece = piecePath(job.outDir, job.pieceStem, pieceNo);
        step(550);
        view.doEvents();
        step(560);
        PieceWatch watch(piece);
        bool copied = writePiece(job, piece, pieceStart, pieceEnd, pieceNo, view);
        step(570);
        if (view.windowGone()) {
            deleteOutputsOfEarlierSplit(job);
            result.end = RunEnd::kWindowGone;
            return result;
        }
        if (!copied) {
            // The library has told the user; the whole pieces before stay.
            watch.dropUnfinished();
            deleteOutputsOfEarlierSplit(job);
            view.showHourglass(false);
            result.end = RunEnd::kPieceFailed;
            return result;
        }
        if (stopUnlessWhole(job, watch, pieceLength(pieceStart, pieceEnd, job.fileSize), view)) {
            result.end = RunEnd::kPieceFailed;
            return result;
        }
        step(575);
        // The last pieces may reach past the input's end: they hold what is left.
        const int64_t first = std::min(pieceStart, job.fileSize), last = std::min(pieceEnd, job.fileSize);
        if (!hashing([&] { hashes.addPiece(job.inPath, first, last); })) {
            inputCutShort = true;
            break;
        }
        step(580);
        pieceStart += job.pieceSize;
        step(590);
        pieceEnd += job.pieceSize;
        step(600);
        platform::setNormalAttributes(piece);
        step(610);
        view.setStatus(pieceDoneStatus(pieceNo));
        view.repaintStatus();
        step(620);
        view.doEvents();
        if (view.windowGone()) {
            deleteOutputsOfEarlierSplit(job);
            result.end = RunEnd::kWindowGone;
            return result;
        }
        if (view.pauseWanted() && pieceNo < job.pieceCount) {
            // Hashed before the disk can be changed: a piece damaged later fails the check.
            if (!hashing([&] { hashes.settle(); })) {
                inputCutShort = true;
                break;
            }
            view.tell(pauseMessage(pieceNo, job.pieceCount), platform::kInformation);
        }
    }
    if (!inputCutShort && !hashing([&] { hashes.settle(); })) inputCutShort = true;

    if (inputCutShort || inputChanged(job)) {
        deleteOutputsOfEarlierSplit(job);
        view.showHourglass(false);
        view.enableSplitButton();
        view.tell(inputChangedMessage(job.inPath), platform::kCritical);
        result.end = RunEnd::kInputChanged;
        return result;
    }

    result.batchPath = writeBatchFile(job, view, result.batchWritten);
    step(733);
    writeKit(job, kitOf(job, hashes));
    result.end = RunEnd::kPiecesWritten;
    return result;
}

}  // namespace

RunResult runPieces(const SplitJob& job, RunView& view) {
    step(520);
    view.setStatus(kStatusReading);
    step(530);
    view.repaintStatus();
    step(535);
    view.showHourglass(true);
    step(537);
    if (view.pauseWanted() && job.pieceSize > job.freeBytes) {
        view.enableSplitButton();
        view.showHourglass(false);
        view.tell(pieceCapacityReport(job.pieceSize, job.freeBytes), platform::kCritical);
        return RunResult();
    }
    if (!job.replacedChecksum.empty()) platform::deleteFileQuietly(job.replacedChecksum);
    try {
        return writePieces(job, view);
    } catch (...) {
        deleteOutputsOfEarlierSplit(job);
        throw;
    }
}

}  // namespace split
