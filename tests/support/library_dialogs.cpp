#include "support/library_dialogs.h"

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
    watcher_ = std::thread([this] {
        for (; !stop_; Sleep(10)) EnumWindows(&RealDialogAnswerer::visit, reinterpret_cast<LPARAM>(this));
    });
}

RealDialogAnswerer::~RealDialogAnswerer() {
    stop_ = true;
    watcher_.join();
    if (hook_) UnhookWindowsHookEx(hook_);
    current = nullptr;
}

void RealDialogAnswerer::answerBox(HWND w) {
    if (className(w) != "#32770" || windowText(w) == leftToUser_) return;
    Children c;
    EnumChildWindows(w, collect, reinterpret_cast<LPARAM>(&c));
    HWND owner = GetWindow(w, GW_OWNER);
    seen_.push_back({windowText(w), c.text, c.buttons, owner, owner && IsWindowEnabled(owner)});
    int id = IDOK;
    if (!answers_.empty()) {
        id = answers_.front();
        answers_.pop_front();
    }
    PostMessageA(w, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

LRESULT CALLBACK RealDialogAnswerer::hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current) current->answerBox(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK RealDialogAnswerer::visit(HWND w, LPARAM self) {
    auto* answerer = reinterpret_cast<RealDialogAnswerer*>(self);
    DWORD process = 0;
    DWORD thread = GetWindowThreadProcessId(w, &process);
    // A box can be read once it shows.
    if (process == GetCurrentProcessId() && thread != answerer->thread_ && IsWindowVisible(w) &&
        className(w) == "#32770" && w != answerer->lastOfOtherThreads_) {
        answerer->lastOfOtherThreads_ = w;
        answerer->answerBox(w);
    }
    return TRUE;
}

}  // namespace testing_support
