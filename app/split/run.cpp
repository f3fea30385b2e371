#include "split/run.h"

#include <algorithm>
#include <functional>
#include <string>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/guarded.h"
#include "platform/runtime_error.h"
#include "split/input_hashes.h"
#include "split/job.h"
#include "split/kit.h"
#include "split/library.h"
#include "split/messages.h"
#include "split/output_names.h"
#include "split/piece_check.h"
#include "split/piece_writer.h"

namespace split {

using platform::step;

namespace {

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
    view.showHourglass(false);
    view.enableSplitButton();
    view.tell(why, platform::kCritical);
    return true;
}

KitContents kitOf(const SplitJob& job, InputHashes& hashes) {
    KitContents kit;
    kit.target = job.outputs.target();
    for (int n = 1; n <= job.pieceCount; ++n) kit.pieceNames.push_back(job.outputs.pieceName(n));
    kit.pieces = hashes.pieces();
    kit.wholeHex = hashes.wholeHex();
    return kit;
}

// The records written whole or not at all: a batch file cut short would
// rejoin a file cut short. Those this run wrote go again when a later one
// cannot be written.
class RecordWriter {
public:
    explicit RecordWriter(const SplitOutputs& outputs) : outputs_(outputs) {}
    ~RecordWriter() {
        if (!done_)
            for (const std::string& path : written_) platform::deleteFileQuietly(path);
    }
    // Creating is step createStep, writing writeStep.
    void write(const std::string& name, const std::string& text, long createStep, long writeStep) {
        const std::string path = outputs_.path(name);
        step(createStep);
        platform::OutputFile file(path);
        written_.push_back(path);
        step(writeStep);
        file.write(text);
        file.close();
    }
    void keep() { done_ = true; }

private:
    const SplitOutputs& outputs_;
    std::vector<std::string> written_;
    bool done_ = false;
};

void writeRecords(const SplitJob& job, const KitContents& kit, RunView& view, RunResult& result) {
    const SplitOutputs& out = job.outputs;
    step(630);
    step(640);
    result.batchPath = out.path(out.batchName());
    step(650);
    step(655);
    view.repaintStatus();
    view.doEvents();
    step(670);
    // The command interpreter reads batch files in the OEM code page.
    std::string text;
    result.batchWritten = out.batchText(job.pieceCount, text);
    RecordWriter records(out);
    if (result.batchWritten) records.write(out.batchName(), text, 660, 710);
    step(720);
    view.doEvents();
    step(730);
    records.write(out.joinerName(), out.joinerText(kit), 733, 733);
    records.write(out.checksumName(), out.checksumText(kit), 733, 733);
    records.keep();
}

// After a pause: the disk now in the drive is checked as the first one was,
// for the names still to be written. False, after saying why, when the run
// cannot go on there.
bool newDiskAccepted(const SplitJob& job, int nextPiece, RunView& view) {
    const SplitOutputs& out = job.outputs;
    if (!platform::folderExists(out.folder())) {
        if (!view.ask(folderMissingQuestion(out.folder()))) return false;
        try {
            platform::createFolder(out.folder());
        } catch (const platform::RuntimeError& e) {
            view.tell(stoppedAfterPauseText(e.description() + ": " + out.folder()), platform::kCritical);
            return false;
        }
    }
    const std::vector<std::string> names = out.names(nextPiece, job.pieceCount);
    std::vector<std::string> removeFirst;
    if (!mayReplace(out, names, false, view, removeFirst)) return false;
    const std::string inTheWay = nameInTheWay(out.folder(), names);
    if (!inTheWay.empty()) {
        view.tell(stoppedAfterPauseText(inTheWay), platform::kExclamation);
        return false;
    }
    const int64_t freeBytes = freeBytesIn(out.folder());
    if (job.pieceSize > freeBytes) {
        view.tell(pieceCapacityReport(job.pieceSize, freeBytes), platform::kCritical);
        return false;
    }
    for (const std::string& name : removeFirst) platform::deleteFileQuietly(out.path(name));
    return true;
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
    // How a run that stops short ends: the pieces written stay, the window
    // is ready for another try.
    // A gone window is touched no more.
    auto stop = [&](RunEnd end) {
        if (end != RunEnd::kWindowGone) view.showHourglass(false);
        result.end = end;
        return result;
    };
    int64_t pieceStart = 0;
    step(500);
    int64_t pieceEnd = job.pieceSize;
    for (int pieceNo = 1; pieceNo <= job.pieceCount; ++pieceNo) {
        step(540);
        std::string piece = job.outputs.piecePath(pieceNo);
        step(550);
        view.doEvents();
        step(560);
        PieceWatch watch(piece);
        bool copied = writePiece(job, piece, pieceStart, pieceEnd, pieceNo, view);
        step(570);
        if (view.windowGone()) return stop(RunEnd::kWindowGone);
        if (!copied) {
            // The library has told the user; the whole pieces before stay.
            watch.dropUnfinished();
            return stop(RunEnd::kPieceFailed);
        }
        if (stopUnlessWhole(job, watch, pieceLength(pieceStart, pieceEnd, job.fileSize), view))
            return stop(RunEnd::kPieceFailed);
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
        if (view.windowGone()) return stop(RunEnd::kWindowGone);
        if (view.pauseWanted() && pieceNo < job.pieceCount) {
            // Hashed before the disk can be changed: a piece damaged later fails the check.
            if (!hashing([&] { hashes.settle(); })) {
                inputCutShort = true;
                break;
            }
            view.tell(pauseMessage(pieceNo, job.pieceCount), platform::kInformation);
            if (view.windowGone()) return stop(RunEnd::kWindowGone);
            view.showHourglass(false);
            if (!newDiskAccepted(job, pieceNo + 1, view)) {
                view.enableSplitButton();
                return stop(RunEnd::kRefused);
            }
            view.showHourglass(true);
        }
    }
    if (!inputCutShort && !hashing([&] { hashes.settle(); })) inputCutShort = true;
    if (view.windowGone()) return stop(RunEnd::kWindowGone);

    if (inputCutShort || inputChanged(job)) {
        view.showHourglass(false);
        view.enableSplitButton();
        view.tell(inputChangedMessage(job.inPath), platform::kCritical);
        return stop(RunEnd::kInputChanged);
    }

    writeRecords(job, kitOf(job, hashes), view, result);
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
    // Before the first byte: a run stopped or killed from here on leaves no
    // earlier batch file that would join its pieces with older ones.
    for (const std::string& name : job.removeFirst) platform::deleteFileQuietly(job.outputs.path(name));
    return writePieces(job, view);
}

}  // namespace split
