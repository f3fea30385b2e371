// The questions a split asks the user on its way, in its own terms: the
// window chooses the buttons and which one is the default. And what the
// split's messages weigh: the window chooses the icon.
#pragma once
#include <functional>
#include <string>

namespace split {

struct Question {
    enum class Kind {
        kConfirm,       // Yes and No: anything but No goes on
        kReplace,       // Yes and No, No the default: only Yes replaces
        kCreateFolder,  // Yes and No: only Yes creates the folder
        kOffer,         // Yes and No: only Yes takes what is offered
    } kind;
    std::string text;
};

// How much a message the split hands the window matters to the user.
enum class Severity {
    kPlain,        // no mark
    kInformation,  // all is well, for the user's information
    kWarning,      // the choices as they stand will not do
    kError,        // something failed or stands against the split
};

class Asks {
public:
    virtual ~Asks() = default;
    // True when the answer lets the split go on.
    virtual bool ask(const Question& question) = 0;
};

// What a check of a disk needs of the window: its questions, and work that
// may take long (a folder of thousands of files read) done while it answers.
class DiskView : public Asks {
public:
    // Runs work off the window's thread and returns when it is done; the
    // window answers meanwhile, and tick runs every so often.
    virtual void whileWindowAnswers(const std::function<void()>& work, const std::function<void()>& tick) = 0;
};

}  // namespace split
