// The run of a planned split: one library call per piece, the status line
// after each, the pause between pieces, then the recombination batch file.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "split/prepare.h"

namespace split {

struct SplitJob;

// What the run shows and reads on the window: the status line, the Pause
// box, the Split button, the hourglass, its messages and the window's events.
class RunView : public ReplaceQuestions {
public:
    // A message box titled as the program, OK only; icon as platform/dialogs.h.
    virtual void tell(const std::string& text, unsigned icon) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool ask(const std::string& question) = 0;
    // Lets the window process its pending events.
    virtual void doEvents() = 0;
    virtual void setStatus(const std::string& text) = 0;
    // Repaints the status line at once, before the next piece blocks the window.
    virtual void repaintStatus() = 0;
    // The Pause box, read afresh after every piece.
    virtual bool pauseWanted() const = 0;
    virtual void enableSplitButton() = 0;
    virtual void showHourglass(bool on) = 0;
    // Runs work (a piece) off the window's thread and returns when it is done;
    // the window answers meanwhile, and tick runs every so often while the
    // window is there.
    virtual void whileWindowWaits(const std::function<void()>& work, const std::function<void()>& tick) = 0;
    // The bytes of the whole run written so far, on the taskbar button.
    virtual void showRunProgress(int64_t done, int64_t total) = 0;
    // The window went (closed, or the program ended) while a piece was written.
    virtual bool windowGone() const = 0;
};

// How a run ended short of its success message.
enum class RunEnd {
    kPiecesWritten,   // every piece is written, the batch file and the kit with them
    kRefused,         // a paused run whose piece is larger than the free space, or a new disk refused
    kPieceFailed,     // a piece was not written whole, and the library or the run has said so
    kInputChanged,    // the input changed under the run: no batch file
    kWindowGone,      // the window went during a piece: that piece finished, then nothing more
};

struct RunResult {
    RunEnd end = RunEnd::kRefused;
    std::string batchPath;        // kPiecesWritten: the batch file
    bool batchWritten = false;    // false when a name has no form the interpreter reads
};

// Removes what the job lists to go first (stopping before the first byte,
// after saying why, when one will not go), then writes the pieces, hashing
// each right after it is written, and after each pause checks the new disk
// as the first was checked; then the batch file and the kit. Run-time errors
// (a piece that cannot be marked normal, a batch or kit file that cannot be
// written) go to the caller. A run that does not get that far leaves no
// batch or kit file at its names; a file of the user's that the user chose
// to keep stays. The hourglass is off again unless all is written.
RunResult runPieces(const SplitJob& job, RunView& view);

}  // namespace split
