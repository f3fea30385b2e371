// The questions a split asks the user on its way, in its own terms: the
// window chooses the buttons and which one is the default.
#pragma once
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

class Asks {
public:
    virtual ~Asks() = default;
    // True when the answer lets the split go on.
    virtual bool ask(const Question& question) = 0;
};

}  // namespace split
