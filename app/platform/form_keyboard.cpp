// The form's keyboard: tab order by tab index, tab stops on the chosen option
// of each group, arrows that move within a group in screen order, and the
// dialog manager's navigation for the whole window.
#include <algorithm>
#include <vector>

#include "platform/form.h"

namespace platform {

namespace {
bool isChildOf(HWND parent, HWND w) { return w == parent || IsChild(parent, w); }
}  // namespace

void Form::arrangeTabOrder() {
    // Keyboard order follows the z-order: controls by tab index on top, the
    // frames underneath so that they never paint over their contents. A
    // control's name label comes right before it, where screen readers look.
    std::vector<Control*> order(controls_);
    std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) {
        bool fa = dynamic_cast<Frame*>(a) != nullptr, fb = dynamic_cast<Frame*>(b) != nullptr;
        if (fa != fb) return fb;
        return a->tabIndex_ < b->tabIndex_;
    });
    HWND after = HWND_TOP;
    for (Control* c : order) {
        if (c->nameLabel_) {
            SetWindowPos(c->nameLabel_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            after = c->nameLabel_;
        }
        SetWindowPos(c->hwnd_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = c->hwnd_;
    }
}

void Form::updateTabStops() {
    // Tab stops at the chosen option of each group only, as users expect.
    for (OptionGroup* g : groups_) {
        int chosen = g->selected();
        const auto& bs = g->buttons();
        for (OptionButton* b : bs) {
            bool stop = chosen < 0 ? b == bs.front() : b->index() == chosen;
            LONG s = GetWindowLongA(b->hwnd_, GWL_STYLE);
            SetWindowLongA(b->hwnd_, GWL_STYLE, stop ? (s | WS_TABSTOP) : (s & ~WS_TABSTOP));
        }
    }
}

bool Form::moveInOptionGroup(HWND focus, int step) {
    for (OptionGroup* g : groups_) {
        std::vector<OptionButton*> bs(g->buttons());
        auto at = std::find_if(bs.begin(), bs.end(), [&](OptionButton* b) { return b->hwnd_ == focus; });
        if (at == bs.end()) continue;
        // Screen order: by rows from the top, each row from the left.
        std::stable_sort(bs.begin(), bs.end(), [](OptionButton* a, OptionButton* b) {
            Twips ta = a->absolute(), tb = b->absolute();
            return ta.top != tb.top ? ta.top < tb.top : ta.left < tb.left;
        });
        at = std::find_if(bs.begin(), bs.end(), [&](OptionButton* b) { return b->hwnd_ == focus; });
        size_t n = bs.size();
        size_t i = static_cast<size_t>(at - bs.begin());
        for (size_t k = 1; k < n; ++k) {
            OptionButton* next = bs[(i + n + (step > 0 ? k : n - k)) % n];
            if (next->visible() && next->enabled()) {
                next->setFocus();
                next->setValue(true);
                return true;
            }
        }
        return true;
    }
    return false;
}

bool Form::translateDialogMessage(MSG& msg) {
    for (Form* f : open_) {
        if (!f->hwnd_ || !isChildOf(f->hwnd_, msg.hwnd)) continue;
        if (msg.message == WM_KEYDOWN) {
            int step = 0;
            if (msg.wParam == VK_DOWN || msg.wParam == VK_RIGHT) step = 1;
            if (msg.wParam == VK_UP || msg.wParam == VK_LEFT) step = -1;
            if (step) {
                try {
                    if (f->moveInOptionGroup(msg.hwnd, step)) return true;
                } catch (...) {
                    return true;  // the option's own handler reports its failures
                }
            }
        }
        return IsDialogMessageA(f->hwnd_, &msg) != FALSE;
    }
    return false;
}

}  // namespace platform
