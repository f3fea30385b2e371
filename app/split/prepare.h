// The second click of the Split button up to its first piece: the request
// checked by a list of small checks, each of which may refuse.
#pragma once
#include <string>
#include <variant>
#include <vector>

#include "split/job.h"
#include "split/question.h"
#include "split/split_choices.h"

namespace split {

// What the preparation asks of the window on its way: its questions, and
// that the request passed its first checks (the window shows the plain
// status line and remembers the output folder).
class PrepareView : public DiskView {
public:
    virtual void outputAccepted() = 0;
    // The user took pieces of this many bytes, the largest the output drive
    // holds: the window shows "Split for Equal size" with that size in bytes.
    virtual void equalPiecesChosen(int64_t bytes) = 0;
};

// Why there is no job; the window shows it as each reason needs.
struct Refusal {
    enum class Reason {
        kChoices,         // the choices as they stand (a size, a count, a folder's content): try other ones
        kDriveTooSmall,   // the whole file does not fit in the output folder
        kNoOutputFolder,  // no output folder is chosen at all
        kFileUnusable,    // the chosen file itself (gone, empty, a name no split can use): choose another
    } reason = Reason::kChoices;
    std::string text;  // the message; empty for none (the user has answered, or the library has said why)
    Severity severity = Severity::kPlain;
};

// A job ready to run, or why there is none. Nothing on disk has changed
// either way: what the job removes goes when it runs.
using Preparation = std::variant<SplitJob, Refusal>;

// The request checked, the input measured and the pieces planned, from the
// window's choices alone, asking the user where the checks need it;
// run-time errors go to the caller.
Preparation prepareJob(const SplitChoices& choices, PrepareView& view);

}  // namespace split
