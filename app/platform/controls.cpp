#include "platform/controls.h"

#include "platform/runtime_error.h"

namespace platform {

// --- Control ----------------------------------------------------------------

Twips Control::absolute() const {
    Twips t = place_;
    for (Control* f = frame_; f; f = f->frame_) {
        t.left += f->place_.left;
        t.top += f->place_.top;
    }
    return t;
}

bool Control::visible() const {
    return hwnd_ && (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::setVisible(bool v) {
    if (hwnd_) ShowWindow(hwnd_, v ? SW_SHOWNA : SW_HIDE);
}

bool Control::enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void Control::setEnabled(bool e) {
    if (hwnd_) EnableWindow(hwnd_, e ? TRUE : FALSE);
}

void Control::setFocus() {
    if (hwnd_) SetFocus(hwnd_);
}

bool Control::hasFocus() const { return hwnd_ && GetFocus() == hwnd_; }

std::string Control::caption() const {
    if (!hwnd_) return initialText_;
    int n = GetWindowTextLengthA(hwnd_);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    n = GetWindowTextA(hwnd_, &s[0], n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
}

void Control::setCaption(const std::string& text) {
    if (!hwnd_) {
        initialText_ = text;
        return;
    }
    SetWindowTextA(hwnd_, text.c_str());
}

void Label::refreshNow() {
    if (!hwnd_) return;
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
}

// --- buttons ----------------------------------------------------------------

void CommandButton::click() {
    if (onClick) onClick();
}

void CommandButton::onCommand(int code) {
    if (code == BN_CLICKED && enabled()) click();
}

int CheckBox::value() const {
    return hwnd_ && SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void CheckBox::setValue(int v) {
    v = v ? 1 : 0;
    if (v == value()) return;
    SendMessageA(hwnd_, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
    if (onClick) onClick();
}

// A disabled control takes no click, whoever sends it.
void CheckBox::onCommand(int code) {
    if (code == BN_CLICKED && enabled()) setValue(value() ? 0 : 1);
}

bool OptionButton::value() const {
    return hwnd_ && SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionButton::setValue(bool v) {
    if (!v) {
        SendMessageA(hwnd_, BM_SETCHECK, BST_UNCHECKED, 0);
        if (group_ && group_->onChosenChanged) group_->onChosenChanged();
        return;
    }
    if (group_) group_->choose(*this);
}

void OptionButton::onCommand(int code) {
    // A click on the option already chosen runs its handler again, as one on
    // another option does (the handler takes what the inputs hold now).
    if (code == BN_CLICKED && enabled()) setValue(true);
}

void OptionGroup::add(OptionButton& b, int index) {
    b.group_ = this;
    b.index_ = index;
    buttons_.push_back(&b);
}

OptionButton& OptionGroup::operator[](int index) {
    for (OptionButton* b : buttons_)
        if (b->index_ == index) return *b;
    throw RuntimeError(kSubscriptRange);
}

int OptionGroup::selected() const {
    for (OptionButton* b : buttons_)
        if (b->value()) return b->index_;
    return -1;
}

void OptionGroup::choose(OptionButton& chosen) {
    for (OptionButton* b : buttons_)
        SendMessageA(b->hwnd_, BM_SETCHECK, b == &chosen ? BST_CHECKED : BST_UNCHECKED, 0);
    if (onChosenChanged) onChosenChanged();
    if (onClick) onClick(static_cast<short>(chosen.index_));
}

// --- text box and drop-down list -------------------------------------------

void TextBox::onCommand(int code) {
    if (code == EN_KILLFOCUS && onLostFocus) onLostFocus();
}

namespace {
// The text of one entry through a list's length and text messages (list boxes
// and combo boxes answer the same way, under their own message numbers).
std::string entryText(HWND list, int index, UINT lengthMessage, UINT textMessage) {
    LRESULT n = SendMessageA(list, lengthMessage, static_cast<WPARAM>(index), 0);
    if (n < 0) return "";  // LB_ERR and CB_ERR alike
    // Room for UTF-8 even where a system counts the entry in UTF-16 units.
    std::string s(static_cast<size_t>(n) * 3 + 1, '\0');
    n = SendMessageA(list, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&s[0]));
    s.resize(n < 0 ? 0 : static_cast<size_t>(n));
    return s;
}
}  // namespace

std::string listBoxItem(HWND list, int index) { return entryText(list, index, LB_GETTEXTLEN, LB_GETTEXT); }

std::string comboBoxItem(HWND box, int index) { return entryText(box, index, CB_GETLBTEXTLEN, CB_GETLBTEXT); }

void DropDownList::clear() { SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0); }

void DropDownList::addItem(const std::string& item) {
    SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int DropDownList::count() const { return static_cast<int>(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0)); }

int DropDownList::listIndex() const { return static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0)); }

void DropDownList::setListIndex(int index) {
    if (index < -1 || index >= count()) throw RuntimeError(kInvalidProperty);
    SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string DropDownList::item(int index) const { return comboBoxItem(hwnd_, index); }

std::string DropDownList::text() const {
    int i = listIndex();
    return i < 0 ? std::string() : item(i);
}

void DropDownList::setText(const std::string& text) {
    for (int i = 0; i < count(); ++i)
        if (item(i) == text) {
            setListIndex(i);
            return;
        }
    throw RuntimeError(kInvalidProperty);
}

// --- menus ------------------------------------------------------------------

void MenuEntry::setEnabled(bool e) {
    if (menu) EnableMenuItem(menu, id, MF_BYCOMMAND | (e ? MF_ENABLED : MF_GRAYED));
}

bool MenuEntry::enabled() const {
    if (!menu) return false;
    UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

}  // namespace platform
