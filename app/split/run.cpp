#include "split/run.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/guarded.h"
#include "platform/runtime_error.h"
#include "split/disk_check.h"
#include "split/input_hashes.h"
#include "split/job.h"
#include "split/kit.h"
#include "split/library.h"
#include "split/messages.h"
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
    void write(RecordKind kind, const std::string& text) {
        const std::string path = outputs_.path(outputs_.recordName(kind));
        const SplitOutputs::Steps steps = SplitOutputs::recordSteps(kind);
        step(steps.create);
        platform::OutputFile file(path);
        written_.push_back(path);
        step(steps.write);
        file.write(text);
        file.close();
    }
    // Each record on its disk before the user is told it is there.
    void keep() {
        for (const std::string& path : written_)
            if (!platform::flushToDisk(path)) throw platform::RuntimeError(platform::kDeviceIo);
        done_ = true;
    }

private:
    const SplitOutputs& outputs_;
    std::vector<std::string> written_;
    bool done_ = false;
};

void writeRecords(const SplitJob& job, const KitContents& kit, RunView& view, RunOutcome& result) {
    const SplitOutputs& out = job.outputs;
    step(650);
    result.batchPath = out.path(out.batchName());
    step(655);
    view.doEvents();
    RecordWriter records(out);
    for (RecordKind kind : SplitOutputs::recordKinds()) {
        std::string text;
        const bool named = out.recordText(kind, kit, text);
        if (named) records.write(kind, text);
        if (kind != RecordKind::kBatch) continue;
        // Only the batch file may have no way to name the files.
        result.batchWritten = named;
        step(720);
        view.doEvents();
    }
    records.keep();
}

using Kind = RunOutcome::Kind;

// What a refused disk after a pause tells: why, and that the split has stopped.
RunOutcome refusedAfterPause(const DiskVerdict& disk) {
    if (disk.kind == DiskVerdict::Kind::kDeclined) return RunOutcome{Kind::kStoppedByUser};
    return RunOutcome{Kind::kRefused, stoppedAfterPauseText(disk.why), disk.severity};
}

using Stop = std::optional<RunOutcome>;

// The pieces of one run, one after the other. Each stage gives the outcome
// that ends the run, or none to go on; run() is the one way out.
class PieceRun {
public:
    PieceRun(const SplitJob& job, RunView& view) : job_(job), view_(view) {}

    RunOutcome run() {
        Stop stop = beforeTheFirstByte();
        for (int pieceNo = 1; !stop && pieceNo <= job_.pieceCount; ++pieceNo) {
            stop = writeOne(pieceNo);
            if (!stop) stop = afterPiece(pieceNo);
        }
        if (!stop) stop = piecesHoldTheInput();
        if (!stop) stop = records();
        if (stop->kind != Kind::kCompleted && stop->kind != Kind::kWindowGone)
            view_.showStatus(start_ > 0 ? kStatusStopped : kStatusNothingWritten);
        return *stop;
    }

private:
    Stop gone() const { return view_.windowGone() ? Stop(RunOutcome{Kind::kWindowGone}) : std::nullopt; }

    // The input changed; a window gone meanwhile is told nothing.
    Stop inputChangedUnlessGone() const {
        if (Stop stop = gone()) return stop;
        return RunOutcome{Kind::kInputChanged, inputChangedMessage(job_.inPath), Severity::kError};
    }

    // A run stopped or killed from here on leaves no earlier batch file that
    // would join its pieces with older ones; a file that will not go stops
    // it here, as writing beside it would mix splits. Nothing goes before the
    // input is held: a run that cannot read it must not have removed a thing.
    Stop beforeTheFirstByte() {
        step(537);
        if (!input_.held())
            return RunOutcome{Kind::kRefused, inputNotOpenText(job_.inPath), Severity::kError};
        const std::string refused = cleared(job_.removeFirst);
        if (!refused.empty())
            return RunOutcome{Kind::kRefused, beforeTheFirstByteText(refused), Severity::kError};
        step(500);
        return std::nullopt;
    }

    // What goes first removed while the window answers; why one would not go.
    std::string cleared(const std::vector<std::string>& names) {
        std::string refused;
        view_.whileWindowAnswers([&] { refused = clearNames(job_, names); }, [] {});
        return refused;
    }

    // Hashes run off the window's thread, beside the copy of the next piece;
    // false when they read past the input's end: it was shortened since it
    // was measured.
    bool inputReadInFull(const std::function<void()>& hashing) {
        try {
            view_.whileWindowAnswers(hashing, [] {});
            return true;
        } catch (const platform::RuntimeError& e) {
            if (e.number() != platform::kInputPastEnd) throw;
            return false;
        }
    }

    // Piece pieceNo written through the library, checked on the disk and
    // its hashes begun.
    Stop writeOne(int pieceNo) {
        step(540);
        const std::string piece = job_.outputs.piecePath(pieceNo);
        step(550);
        view_.doEvents();
        if (Stop stop = gone()) return stop;
        step(560);
        PieceWatch watch(piece);
        const bool copied = writePiece(job_, piece, start_, end_, pieceNo, view_);
        step(570);
        if (Stop stop = gone()) return stop;
        if (!copied) {
            // The library has told the user; the whole pieces before stay.
            watch.dropUnfinished();
            return RunOutcome{Kind::kPieceFailed};
        }
        const std::string notWhole = watch.notWhole(pieceLength(start_, end_, job_.fileSize));
        if (!notWhole.empty())
            return inputChanged(job_) ? inputChangedUnlessGone()
                                      : Stop(RunOutcome{Kind::kPieceFailed, notWhole, Severity::kError});
        // On its disk before a pause box or the success box can tell the user it is there.
        bool flushed = false;
        view_.whileWindowAnswers([&] { flushed = platform::flushToDisk(piece); }, [] {});
        if (Stop stop = gone()) return stop;
        if (!flushed) {
            platform::deleteFileQuietly(piece);
            return RunOutcome{Kind::kPieceFailed, pieceNotFlushedText(piece), Severity::kError};
        }
        step(575);
        // The last pieces may reach past the input's end: they hold what is left.
        const int64_t first = std::min(start_, job_.fileSize), last = std::min(end_, job_.fileSize);
        if (!inputReadInFull([&] { hashes_.addPiece(job_.inPath, first, last); })) return inputChangedUnlessGone();
        return std::nullopt;
    }

    // After piece pieceNo: marked normal and announced, then the pause and
    // the check of the disk put in.
    Stop afterPiece(int pieceNo) {
        step(580);
        start_ += job_.pieceSize;
        step(590);
        end_ += job_.pieceSize;
        step(600);
        platform::setNormalAttributes(job_.outputs.piecePath(pieceNo));
        step(610);
        view_.showStatus(pieceDoneStatus(pieceNo));
        step(620);
        view_.doEvents();
        if (Stop stop = gone()) return stop;
        job_.pause = view_.pauseWanted();
        if (!job_.pause || pieceNo >= job_.pieceCount) return std::nullopt;
        // Hashed before the disk can be changed: a piece damaged later fails the check.
        if (!inputReadInFull([&] { hashes_.settle(); })) return inputChangedUnlessGone();
        view_.pauseForNextDisk(pauseMessage(pieceNo, job_.pieceCount));
        if (Stop stop = gone()) return stop;
        view_.working(false);
        const DiskVerdict disk = checkDisk(job_, DiskPlace{pieceNo + 1, start_}, view_);
        if (disk.kind != DiskVerdict::Kind::kTakes) return refusedAfterPause(disk);
        // Smaller pieces for the rest of the file; those written stay as they are.
        if (takeSmallerPieces(job_, disk)) end_ = start_ + job_.pieceSize;
        const std::string refused = cleared(disk.removeFirst);
        if (!refused.empty())
            return RunOutcome{Kind::kRefused, stoppedAfterPauseText(refused), Severity::kError};
        view_.working(true);
        return std::nullopt;
    }

    // The pieces hold the file only if nobody changed it while they were written.
    Stop piecesHoldTheInput() {
        const bool readInFull = inputReadInFull([&] { hashes_.settle(); });
        if (Stop stop = gone()) return stop;
        if (!readInFull || inputChanged(job_)) return inputChangedUnlessGone();
        return std::nullopt;
    }

    Stop records() {
        RunOutcome completed(Kind::kCompleted);
        writeRecords(job_, kitOf(job_.outputs, hashes_.pieces(), hashes_.wholeHex()), view_, completed);
        return completed;
    }

    SplitJob job_;  // its own: a new disk may take smaller pieces
    RunView& view_;
    const platform::HeldFile input_{job_.inPath};
    InputHashes hashes_;
    int64_t start_ = 0;
    int64_t end_ = job_.pieceSize;
};

}  // namespace

RunOutcome runPieces(const SplitJob& job, RunView& view) {
    step(520);
    view.showStatus(kStatusReading);
    step(535);
    view.working(true);
    return PieceRun(job, view).run();
}

}  // namespace split
