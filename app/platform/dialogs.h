// Modal message boxes and the input box go through one seam, so that tests
// can record what the program shows and answer it from a script.
#pragma once
#include <windows.h>
#include <string>

namespace platform {

// Message-box styles (icons and buttons) as the system defines them.
enum : unsigned {
    kOkOnly = 0x0,
    kOkCancel = 0x1,
    kYesNo = 0x4,
    kCritical = 0x10,
    kQuestion = 0x20,
    kExclamation = 0x30,
    kInformation = 0x40,
    kSecondButtonDefault = 0x100,
};
// Answers.
enum : int { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };

extern const char* const kAppTitle;  // "Cleavo File Splitter"

class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    virtual int messageBox(const std::string& text, const std::string& title, unsigned style) = 0;
    // Returns the typed answer; the empty text when the user cancels.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultAnswer) = 0;
};

// nullptr puts the real dialogs back.
void setDialogSeam(DialogSeam* seam);

// The window every box belongs to while it exists: the box is modal to it
// even while the program is in the background, when no window of its is
// active. Set by the main window when it is made.
void setBoxOwner(HWND window);
HWND boxOwner();

int msgBox(const std::string& text, unsigned style = kOkOnly, const std::string& title = kAppTitle);
std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultAnswer);

}  // namespace platform
