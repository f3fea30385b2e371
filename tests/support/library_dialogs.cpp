#include "support/library_dialogs.h"

#include <process.h>

#include <iterator>

namespace testing_support {
namespace {
RealDialogAnswerer* current = nullptr;

std::string windowText(HWND w) {
    char buf[4096] = {};
    GetWindowTextA(w, buf, sizeof buf);
    return buf;
}

std::string className(HWND w) {
    char buf[64] = {};
    GetClassNameA(w, buf, sizeof buf);
    return buf;
}

struct Children {
    std::string text;
    std::vector<std::string> buttons;
};

BOOL CALLBACK collect(HWND child, LPARAM lp) {
    auto* c = reinterpret_cast<Children*>(lp);
    std::string cls = className(child);
    std::string text = windowText(child);
    if (lstrcmpiA(cls.c_str(), "Button") == 0)
        c->buttons.push_back(text);
    else if (lstrcmpiA(cls.c_str(), "Static") == 0 && !text.empty())
        c->text = text;
    return TRUE;
}
}  // namespace

RealDialogAnswerer::RealDialogAnswerer() : thread_(GetCurrentThreadId()) {
    current = this;
    hook_ = SetWindowsHookExA(WH_CBT, &RealDialogAnswerer::hook, nullptr, thread_);
    stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    watcher_ = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &RealDialogAnswerer::watch, this, 0, nullptr));
}

RealDialogAnswerer::~RealDialogAnswerer() {
    SetEvent(stop_);
    if (watcher_) {
        WaitForSingleObject(watcher_, INFINITE);
        CloseHandle(watcher_);
    }
    CloseHandle(stop_);
    if (hook_) UnhookWindowsHookEx(hook_);
    current = nullptr;
}

void RealDialogAnswerer::answerDialog(HWND w, bool once) {
    if (className(w) != "#32770" || windowText(w) == leftToUser_) return;
    Children c;
    EnumChildWindows(w, collect, reinterpret_cast<LPARAM>(&c));
    HWND owner = GetWindow(w, GW_OWNER);
    int id = IDOK;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (once && !answered_.insert(w).second) return;
        seen_.push_back({windowText(w), c.text, c.buttons, owner, owner && IsWindowEnabled(owner)});
        if (!answers_.empty()) {
            id = answers_.front();
            answers_.pop_front();
        }
    }
    PostMessageA(w, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

LRESULT CALLBACK RealDialogAnswerer::hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current) current->answerDialog(reinterpret_cast<HWND>(wParam), false);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

unsigned __stdcall RealDialogAnswerer::watch(void* self) {
    auto* answerer = static_cast<RealDialogAnswerer*>(self);
    while (WaitForSingleObject(answerer->stop_, 10) == WAIT_TIMEOUT) {
        EnumWindows(&RealDialogAnswerer::visit, reinterpret_cast<LPARAM>(self));
        // A handle of a box that has gone may come back for the next one.
        std::lock_guard<std::mutex> lock(answerer->mutex_);
        for (auto it = answerer->answered_.begin(); it != answerer->answered_.end();)
            it = IsWindow(*it) ? std::next(it) : answerer->answered_.erase(it);
    }
    return 0;
}

BOOL CALLBACK RealDialogAnswerer::visit(HWND w, LPARAM self) {
    auto* answerer = reinterpret_cast<RealDialogAnswerer*>(self);
    DWORD process = 0;
    DWORD thread = GetWindowThreadProcessId(w, &process);
    // A box is ready to be read once it shows.
    if (process == GetCurrentProcessId() && thread != answerer->thread_ && IsWindowVisible(w))
        answerer->answerDialog(w, true);
    return TRUE;
}

}  // namespace testing_support
