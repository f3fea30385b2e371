// A real main window on the test display, with the program's message boxes
// recorded and answered from a script, and the program's end recorded.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "support/library_dialogs.h"
#include "ui/frm_splitter.h"

namespace testing_support {

struct ShownBox {
    std::string text;
    std::string title;
    unsigned style;
};

// The one test double: records every box the program shows through its
// dialog seam and answers from a script (OK once the script runs out).
class DialogRecorder : public platform::DialogSeam {
public:
    std::vector<ShownBox> shown;
    std::deque<int> answers;
    // Answers typed into input boxes, in order (empty, as if cancelled, once they run out).
    std::deque<std::string> inputs;
    // Runs while a box is open, as a user could act then (tick a box, ...).
    std::function<void(const ShownBox&)> whileShown;

    int messageBox(const std::string& text, const std::string& title, unsigned style) override;
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& answer) override;
    std::vector<std::string> texts() const;
};

// How often the program tried to end since the window was made.
int programEnds();

class SplitterWindow {
public:
    // Starts the window the way the program starts, in the given folder (the
    // lists show the current folder at start), and lets its first paint and
    // focus happen.
    explicit SplitterWindow(const std::string& startFolder);
    ~SplitterWindow();

    frmSplitter& w() { return *window_; }
    frmSplitter* operator->() { return window_.get(); }
    DialogRecorder boxes;
    // The library's own message boxes, which it shows with MessageBoxA.
    RealDialogAnswerer libraryBoxes;

    // Lets every waiting message run (paints included).
    void settle();
    // Chooses an input file as a user would: its folder, then the file.
    void chooseFile(const std::string& folder, const std::string& name);
    // Clicks "Split this file", chooses the output folder, clicks
    // "Split files now!".
    void splitInto(const std::string& outFolder);
    // Puts the window back at choosing a file, with the file list shown, as
    // no user can from the output phase without a split.
    void backToTheFileChoice();

private:
    std::unique_ptr<frmSplitter> window_;
    std::string oldFolder_;
};

// Every text a control is given (WM_SETTEXT), in order, and the text it
// showed at each of its paints, from the moment the recorder is made until
// it goes.
class TextRecorder {
public:
    explicit TextRecorder(HWND control);
    ~TextRecorder();
    TextRecorder(const TextRecorder&) = delete;
    TextRecorder& operator=(const TextRecorder&) = delete;

    std::vector<std::string> texts;
    std::vector<std::string> painted;
    // Runs after each text the control is given, as a user could act then.
    std::function<void(const std::string&)> onText;

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    HWND hwnd_;
};

// The icon part of a message box's style, and the icons the program uses.
const unsigned kIconMask = 0xF0;
const unsigned kCriticalIcon = 0x10;
const unsigned kExclamationIcon = 0x30;
const unsigned kInformationIcon = 0x40;

// The window is back at choosing a file: the Split button's first caption,
// the button enabled and the file list shown.
inline ::testing::AssertionResult choosingAFile(frmSplitter& w) {
    if (w.cmdSPlit.caption() != "&Split this file")
        return ::testing::AssertionFailure() << "the Split button reads " << w.cmdSPlit.caption();
    if (!w.cmdSPlit.enabled()) return ::testing::AssertionFailure() << "the Split button is disabled";
    if (!w.fiInFile.visible()) return ::testing::AssertionFailure() << "the file list is hidden";
    return ::testing::AssertionSuccess();
}

// Chooses "Split into &Y files" with the given piece count.
inline void chooseIntoYFiles(frmSplitter& w, const std::string& count) {
    w.optSplitTypeButton[2].setValue(true);
    w.cboEqualNumber.setText(count);
}

// The error report as the user reads it, written out here so that the
// expected text does not come from the program's own formatting.
inline std::string expectedReport(int number, const std::string& description, int line,
                                  const std::string& procedure) {
    return "Error Number: " + std::to_string(number) + "\r\nError Description: " + description +
           "\r\n\r\nError Line: " + std::to_string(line) + "\r\nProcedure Name: " + procedure +
           ".\r\nPlease Send this info to: support@cleavo.example .\r\n";
}

// Runs a batch file with Wine's command interpreter in its own folder, with
// nothing to read on its input; returns the interpreter's exit code, and what
// it wrote into *output when given.
int runBatch(const std::string& folder, const std::string& batchName, std::string* output = nullptr);

}  // namespace testing_support
