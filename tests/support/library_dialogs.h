// Records and answers the real modal dialogs (MessageBoxA and friends) that
// code running in this process shows, on this thread or another, so that no
// test blocks on one.
#pragma once
#include <windows.h>
#include <deque>
#include <mutex>
#include <set>
#include <string>
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
    void answer(int id) {
        std::lock_guard<std::mutex> lock(mutex_);
        answers_.push_back(id);
    }
    // Dialogs with this caption are left for a user (a test at the keyboard) to answer.
    void leaveToTheUser(const std::string& caption) { leftToUser_ = caption; }
    // Read once the boxes are closed: another thread may still add to it.
    const std::vector<SeenDialog>& seen() const { return seen_; }

private:
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam);
    // Dialogs of other threads, which this thread's hook does not see, are
    // looked for while they show.
    static unsigned __stdcall watch(void* self);
    static BOOL CALLBACK visit(HWND w, LPARAM self);
    // Once: a box of another thread is seen at every look while it shows.
    void answerDialog(HWND w, bool once);
    HHOOK hook_;
    DWORD thread_;
    HANDLE watcher_ = nullptr;
    HANDLE stop_ = nullptr;
    mutable std::mutex mutex_;
    std::set<HWND> answered_;
    std::deque<int> answers_;
    std::vector<SeenDialog> seen_;
    std::string leftToUser_;
};

}  // namespace testing_support
