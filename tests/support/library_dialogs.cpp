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

RealDialogAnswerer::RealDialogAnswerer() {
    current = this;
    hook_ = SetWindowsHookExA(WH_CBT, &RealDialogAnswerer::hook, nullptr, GetCurrentThreadId());
}

RealDialogAnswerer::~RealDialogAnswerer() {
    if (hook_) UnhookWindowsHookEx(hook_);
    current = nullptr;
}

LRESULT CALLBACK RealDialogAnswerer::hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current) {
        HWND w = reinterpret_cast<HWND>(wParam);
        if (className(w) == "#32770" && windowText(w) != current->leftToUser_) {
            Children c;
            EnumChildWindows(w, collect, reinterpret_cast<LPARAM>(&c));
            current->seen_.push_back({windowText(w), c.text, c.buttons});
            int id = IDOK;
            if (!current->answers_.empty()) {
                id = current->answers_.front();
                current->answers_.pop_front();
            }
            PostMessageA(w, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace testing_support
