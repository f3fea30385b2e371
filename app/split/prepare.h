// The second click of the Split button up to its first piece: the request
// checked by a list of small checks, each of which may refuse.
#pragma once
#include <string>
#include <variant>
#include <vector>

#include "split/job.h"
#include "split/split_choices.h"

namespace split {

// Whether what stands at a split's names may be replaced: Yes and No, No the
// default; asked before the first piece and after each pause.
class ReplaceQuestions {
public:
    virtual ~ReplaceQuestions() = default;
    virtual bool replaceAllowed(const std::string& question) = 0;
};

// What the preparation asks of the window on its way.
class PrepareView : public ReplaceQuestions {
public:
    // A question with Yes and No buttons; true for Yes.
    virtual bool confirm(const std::string& question) = 0;
    // The request passed its first checks: the window shows the plain status
    // line and remembers the output folder.
    virtual void outputAccepted() = 0;
};

struct Refusal {
    std::string text;  // the message; empty for none
    unsigned icon = 0;
    enum class Then {
        kEnableSplit,       // the message, then the Split button enabled
        kEnableSplitFirst,  // the Split button enabled, then the message
        kFocusFolders,      // the message, then the folder list focused
        kNothing,           // the library has said why
    } then = Then::kEnableSplit;
    // The chosen file itself is to blame (gone, empty, a name no split can
    // use): another try would fail alike, so the window goes back to
    // choosing a file.
    bool fileUnusable = false;
};

// A job ready to run, or why there is none. Nothing on disk has changed
// either way: what the job removes goes when it runs.
using Preparation = std::variant<SplitJob, Refusal>;

// The request checked, the input measured and the pieces planned, from the
// window's choices alone, asking the user where the checks need it;
// run-time errors go to the caller.
Preparation prepareJob(const SplitChoices& choices, PrepareView& view);

// Surveys the folder for pieces firstPiece to lastPiece and the records, and
// asks about other files' splits and the user's own files there. False when
// the user keeps them, or with `refused` set when the folder cannot be
// surveyed. Otherwise adds what must go before the first byte (an earlier
// split of this file, and what the user agreed to) to removeFirst.
bool mayReplace(const SplitOutputs& outputs, int firstPiece, int lastPiece, bool piecesAreOurs,
                ReplaceQuestions& ask, std::vector<std::string>& removeFirst, std::string& refused);

// Removes the job's names listed in `names` before anything is written there;
// the input, reached by whatever name, is never removed. Empty when all are
// gone, else the message naming the first that would not go (nothing after it
// is touched).
std::string removeBeforeWriting(const SplitJob& job, const std::vector<std::string>& names);

}  // namespace split
