#include "ui/split_questions.h"

#include "platform/dialogs.h"

bool askTheUser(const split::Question& question) {
    using Kind = split::Question::Kind;
    const unsigned yesNo = platform::kYesNo | platform::kQuestion;
    switch (question.kind) {
    case Kind::kConfirm: return platform::msgBox(question.text, yesNo) != platform::kAnswerNo;
    // Replacing what is there is never the default: Enter keeps it.
    case Kind::kReplace:
        return platform::msgBox(question.text, yesNo | platform::kSecondButtonDefault) == platform::kAnswerYes;
    case Kind::kCreateFolder:
    case Kind::kOffer: return platform::msgBox(question.text, yesNo) == platform::kAnswerYes;
    }
    return false;
}

unsigned iconOf(split::Severity severity) {
    switch (severity) {
    case split::Severity::kPlain: break;
    case split::Severity::kInformation: return platform::kInformation;
    case split::Severity::kWarning: return platform::kExclamation;
    case split::Severity::kError: return platform::kCritical;
    }
    return platform::kOkOnly;
}
