// The run of a planned split: one library call per piece, the status line
// after each, the pause between pieces, then the recombination batch file.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "split/question.h"

namespace split {

struct SplitJob;

// What the run shows and asks of the window while it writes the pieces.
class RunView : public DiskView {
public:
    // The status line, shown at once: the next piece may keep the window busy.
    virtual void showStatus(const std::string& text) = 0;
    // The bytes of the whole run written so far.
    virtual void showRunProgress(int64_t done, int64_t total) = 0;
    // The window answers its pending events.
    virtual void doEvents() = 0;
    // Whether the user wants a pause after this piece; asked afresh after
    // each piece (the first disk took the job's choice).
    virtual bool pauseWanted() const = 0;
    // The pause between pieces: returns once the user has changed disks.
    virtual void pauseForNextDisk(const std::string& message) = 0;
    // The run works on its own (true), or waits on the user (false).
    virtual void working(bool on) = 0;
    // The window went (closed, or the program ended) while the run went on.
    virtual bool windowGone() const = 0;
};

// How a run ended; each outcome carries what the user is to be told.
struct RunOutcome {
    enum class Kind {
        kCompleted,       // every piece, the batch file and the kit are written
        kStoppedByUser,   // the user did not go on after a pause: nothing to tell
        kRefused,         // the input cannot be held, or a disk after a pause does not take the pieces
        kInputChanged,    // the input changed under the run: no batch file
        kPieceFailed,     // a piece was not written whole (the library may have said why itself)
        kWindowGone,      // the window went: the piece under way finished, then nothing more
    } kind;
    std::string message;  // empty where nothing is to be told
    Severity severity = Severity::kPlain;
    std::string batchPath;        // kCompleted: the batch file
    bool batchWritten = false;    // false when a name has no form the interpreter reads

    explicit RunOutcome(Kind kind, std::string message = "", Severity severity = Severity::kPlain)
        : kind(kind), message(std::move(message)), severity(severity) {}
};

// Holds the input open, then removes what the job lists to go first
// (stopping before the first byte when one will not go), then writes the
// pieces, hashing each beside the copy of the next, and after each pause
// checks the new disk as the first was checked; then the batch file and the
// kit. A run that stops shows on the status line how it stopped. Run-time errors (a piece that
// cannot be marked normal, a batch or kit file that cannot be written) go to
// the caller. A run that does not get that far leaves no batch or kit file
// at its names; a file of the user's that the user chose to keep stays.
RunOutcome runPieces(const SplitJob& job, RunView& view);

}  // namespace split
