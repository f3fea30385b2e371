// The run of a planned split: one library call per piece, the status line
// after each, the pause between pieces, then the recombination batch file.
#pragma once
#include <string>

namespace split {

struct SplitJob;

// What the run shows and reads on the window: the status line, the Pause
// box, the Split button, the hourglass, its messages and the window's events.
class RunView {
public:
    virtual ~RunView() = default;
    // A message box titled as the program, OK only; icon as platform/dialogs.h.
    virtual void tell(const std::string& text, unsigned icon) = 0;
    // Lets the window process its pending events.
    virtual void doEvents() = 0;
    virtual void setStatus(const std::string& text) = 0;
    // Repaints the status line at once, before the next piece blocks the window.
    virtual void repaintStatus() = 0;
    // The Pause box, read afresh after every piece.
    virtual bool pauseWanted() const = 0;
    virtual void enableSplitButton() = 0;
    virtual void showHourglass(bool on) = 0;
};

// How a run ended short of its success message.
enum class RunEnd {
    kPiecesWritten,   // every piece is written, the batch file and the kit with them
    kRefused,         // a paused run whose piece is larger than the free space
    kPieceFailed,     // a piece was not written whole, and the library or the run has said so
    kInputChanged,    // the input changed under the run: no batch file
};

struct RunResult {
    RunEnd end = RunEnd::kRefused;
    std::string batchPath;        // kPiecesWritten: the batch file
    bool batchWritten = false;    // false when a name has no form the interpreter reads
};

// Writes the pieces, hashing each right after it is written, then the batch
// file and the kit; run-time errors (a piece that cannot be marked normal, a
// batch or kit file that cannot be written) go to the caller. A run that
// does not get that far leaves no batch or kit file of its names, not even
// one of an earlier split. The hourglass is off again unless all is written.
RunResult runPieces(const SplitJob& job, RunView& view);

}  // namespace split
