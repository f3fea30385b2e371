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
    // Only the names still to be written: the pieces this run wrote before
    // the pause are its own, whatever a record on this disk says of them.
    const std::vector<std::string> names = out.names(nextPiece, job.pieceCount);
    std::vector<std::string> removeFirst;
    std::string refused;
    if (!mayReplace(out, nextPiece, job.pieceCount, false, view, removeFirst, refused)) {
        if (!refused.empty()) view.tell(stoppedAfterPauseText(refused), platform::kExclamation);
        return false;
    }
    refused = folderRefusal(out.folder(), names, job.pieceSize);
    if (!refused.empty()) {
        view.tell(stoppedAfterPauseText(refused), platform::kExclamation);
        return false;
    }
    const int64_t freeBytes = freeBytesIn(out.folder());
    if (job.pieceSize > freeBytes) {
        view.tell(pieceCapacityReport(job.pieceSize, freeBytes), platform::kCritical);
        return false;
    }
    refused = removeBeforeWriting(job, removeFirst);
    if (!refused.empty()) {
        view.tell(stoppedAfterPauseText(refused), platform::kCritical);
        return false;
    }
    return true;
}

// The pieces of one run, one after the other; each step says whether the
// run goes on, and end() is the one way a run ends short of its records.
class PieceRun {
public:
    PieceRun(const SplitJob& job, RunView& view) : job_(job), view_(view) {}

    RunResult run() {
        step(500);
        for (int pieceNo = 1; pieceNo <= job_.pieceCount; ++pieceNo) {
            if (!writeOne(pieceNo)) return result_;
            if (cutShort_) break;
            if (!between(pieceNo)) return result_;
            if (cutShort_) break;
        }
        if (!cutShort_ && !hashing([&] { hashes_.settle(); })) cutShort_ = true;
        if (view_.windowGone()) return end(RunEnd::kWindowGone);
        if (cutShort_ || inputChanged(job_)) {
            view_.showHourglass(false);
            view_.enableSplitButton();
            view_.tell(inputChangedMessage(job_.inPath), platform::kCritical);
            return end(RunEnd::kInputChanged);
        }
        writeRecords(job_, kitOf(job_, hashes_), view_, result_);
        result_.end = RunEnd::kPiecesWritten;
        return result_;
    }

private:
    // How a run ends short: the whole pieces written stay, no records are
    // written; a gone window is touched no more.
    RunResult end(RunEnd how) {
        if (how != RunEnd::kWindowGone) view_.showHourglass(false);
        result_.end = how;
        return result_;
    }

    bool stopped(RunEnd how) {
        end(how);
        return false;
    }

    // Hashes run off the window's thread, beside the copy of the next piece;
    // reading past the input's end means it was shortened since it was measured.
    bool hashing(const std::function<void()>& work) {
        try {
            view_.whileWindowWaits(work, [] {});
            return true;
        } catch (const platform::RuntimeError& e) {
            if (e.number() != platform::kInputPastEnd) throw;
            return false;
        }
    }

    // Piece pieceNo written through the library, checked on the disk and
    // hashed; false when the run has ended.
    bool writeOne(int pieceNo) {
        step(540);
        const std::string piece = job_.outputs.piecePath(pieceNo);
        step(550);
        view_.doEvents();
        step(560);
        PieceWatch watch(piece);
        const bool copied = writePiece(job_, piece, start_, end_, pieceNo, view_);
        step(570);
        if (view_.windowGone()) return stopped(RunEnd::kWindowGone);
        if (!copied) {
            // The library has told the user; the whole pieces before stay.
            watch.dropUnfinished();
            return stopped(RunEnd::kPieceFailed);
        }
        if (stopUnlessWhole(job_, watch, pieceLength(start_, end_, job_.fileSize), view_))
            return stopped(RunEnd::kPieceFailed);
        step(575);
        // The last pieces may reach past the input's end: they hold what is left.
        const int64_t first = std::min(start_, job_.fileSize), last = std::min(end_, job_.fileSize);
        if (!hashing([&] { hashes_.addPiece(job_.inPath, first, last); })) cutShort_ = true;
        return true;
    }

    // After piece pieceNo: marked normal and announced, then the pause and
    // the check of the new disk; false when the run has ended.
    bool between(int pieceNo) {
        step(580);
        start_ += job_.pieceSize;
        step(590);
        end_ += job_.pieceSize;
        step(600);
        platform::setNormalAttributes(job_.outputs.piecePath(pieceNo));
        step(610);
        view_.setStatus(pieceDoneStatus(pieceNo));
        view_.repaintStatus();
        step(620);
        view_.doEvents();
        if (view_.windowGone()) return stopped(RunEnd::kWindowGone);
        if (!view_.pauseWanted() || pieceNo >= job_.pieceCount) return true;
        // Hashed before the disk can be changed: a piece damaged later fails the check.
        if (!hashing([&] { hashes_.settle(); })) return cutShort_ = true;
        view_.tell(pauseMessage(pieceNo, job_.pieceCount), platform::kInformation);
        if (view_.windowGone()) return stopped(RunEnd::kWindowGone);
        view_.showHourglass(false);
        if (!newDiskAccepted(job_, pieceNo + 1, view_)) {
            view_.enableSplitButton();
            return stopped(RunEnd::kRefused);
        }
        view_.showHourglass(true);
        return true;
    }

    const SplitJob& job_;
    RunView& view_;
    RunResult result_;
    InputHashes hashes_;
    bool cutShort_ = false;
    int64_t start_ = 0;
    int64_t end_ = job_.pieceSize;
};

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
    // A file that will not go stops the run here: writing beside it would
    // leave a split mixed with what was there.
    const std::string refused = removeBeforeWriting(job, job.removeFirst);
    if (!refused.empty()) {
        view.enableSplitButton();
        view.showHourglass(false);
        view.tell(beforeTheFirstByteText(refused), platform::kCritical);
        return RunResult();
    }
    return PieceRun(job, view).run();
}

}  // namespace split
