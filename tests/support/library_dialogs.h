// Records and answers the real modal dialogs (MessageBoxA and friends) that
// code running on this thread shows, so that no test blocks on one.
#pragma once
#include <windows.h>
#include <deque>
#include <string>
#include <vector>

namespace testing_support {

struct SeenDialog {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;
};

class RealDialogAnswerer {
public:
    RealDialogAnswerer();
    ~RealDialogAnswerer();
    RealDialogAnswerer(const RealDialogAnswerer&) = delete;
    RealDialogAnswerer& operator=(const RealDialogAnswerer&) = delete;

    // Answers to give, in order (IDOK, IDYES, ...); IDOK once they run out.
    void answer(int id) { answers_.push_back(id); }
    // Dialogs with this caption are left for a user (a test at the keyboard) to answer.
    void leaveToTheUser(const std::string& caption) { leftToUser_ = caption; }
    const std::vector<SeenDialog>& seen() const { return seen_; }

private:
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_;
    std::deque<int> answers_;
    std::vector<SeenDialog> seen_;
    std::string leftToUser_;
};

}  // namespace testing_support
