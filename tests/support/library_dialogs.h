// Records and answers the real modal dialogs (MessageBoxA and friends) that
// code running in this process shows, on this thread or another (one box at
// a time), so that no test blocks on one.
#pragma once
#include <windows.h>
#include <atomic>
#include <deque>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

struct SeenDialog {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;
    HWND owner;         // the window it belongs to, if any
    bool ownerEnabled;  // whether that window took input while the box showed
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
    // This thread's hook misses boxes of other threads: they are looked for.
    static BOOL CALLBACK visit(HWND w, LPARAM self);
    void answerBox(HWND w);
    HHOOK hook_;
    DWORD thread_;
    HWND lastOfOtherThreads_ = nullptr;  // seen at every look while it shows
    std::atomic<bool> stop_{false};
    std::thread watcher_;
    std::deque<int> answers_;
    std::vector<SeenDialog> seen_;
    std::string leftToUser_;
};

}  // namespace testing_support
