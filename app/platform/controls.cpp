#include "platform/controls.h"

#include <algorithm>
#include <cctype>

#include "platform/form.h"
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
        if (form_) form_->updateTabStops();
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
    if (chosen.form_) chosen.form_->updateTabStops();
    if (onClick) onClick(static_cast<short>(chosen.index_));
}

// --- text box and drop-down list -------------------------------------------

void TextBox::onCommand(int code) {
    if (code == EN_KILLFOCUS && onLostFocus) onLostFocus();
}

namespace {
// The text of entry `index` of a combo box; empty when there is none.
std::string comboItem(HWND box, int index) {
    LRESULT n = SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n == CB_ERR) return "";
    std::string s(static_cast<size_t>(n) + 1, '\0');
    n = SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&s[0]));
    s.resize(n == CB_ERR ? 0 : static_cast<size_t>(n));
    return s;
}
}  // namespace

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

std::string DropDownList::item(int index) const { return comboItem(hwnd_, index); }

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

// --- paths ------------------------------------------------------------------

namespace {

std::string fullPath(const std::string& path) {
    char buf[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
    if (n == 0 || n >= sizeof buf) throw RuntimeError(kPathNotFound);
    return std::string(buf, n);
}

bool driveReady(char letter) {
    char root[] = {letter, ':', '\\', 0};
    UINT type = GetDriveTypeA(root);
    if (type == DRIVE_NO_ROOT_DIR || type == DRIVE_UNKNOWN) return false;
    UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);  // no "insert a disk" box
    DWORD attrs = GetFileAttributesA(root);
    SetErrorMode(old);
    return attrs != INVALID_FILE_ATTRIBUTES;
}

char letterOf(const std::string& text) {
    if (text.size() < 2 || text[1] != ':' || !isalpha(static_cast<unsigned char>(text[0])))
        throw RuntimeError(kDeviceUnavailable);
    return static_cast<char>(tolower(static_cast<unsigned char>(text[0])));
}

bool lessNoCase(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; }

bool sameNoCase(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

std::string listItem(HWND list, int index) {
    LRESULT n = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n == LB_ERR) return "";
    std::string s(static_cast<size_t>(n) + 1, '\0');
    n = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&s[0]));
    s.resize(n == LB_ERR ? 0 : static_cast<size_t>(n));
    return s;
}

// The names of a folder's entries; folders or ordinary files.
std::vector<std::string> listFolder(const std::string& folder, bool folders) {
    std::vector<std::string> names;
    std::string pattern = folder + (folder.back() == '\\' ? "*" : "\\*");
    WIN32_FIND_DATAA fd;
    UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
    DWORD err = GetLastError();
    SetErrorMode(old);
    if (h == INVALID_HANDLE_VALUE) {
        if (err == ERROR_FILE_NOT_FOUND || err == ERROR_NO_MORE_FILES) return names;
        throw RuntimeError::fromWin32(err);
    }
    do {
        std::string name = fd.cFileName;
        if (name == "." || name == "..") continue;
        bool isFolder = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder != folders) continue;
        if (fd.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
        names.push_back(name);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end(), lessNoCase);
    return names;
}

}  // namespace

std::string normaliseFolder(const std::string& path) {
    std::string p = fullPath(path);
    while (p.size() > 3 && (p.back() == '\\' || p.back() == '/')) p.pop_back();
    if (p.size() == 2 && p[1] == ':') p += '\\';
    if (p.size() >= 2 && p[1] == ':') p[0] = static_cast<char>(toupper(static_cast<unsigned char>(p[0])));
    return p;
}

bool folderExists(const std::string& path) {
    UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    DWORD a = GetFileAttributesA(path.c_str());
    SetErrorMode(old);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// --- drive list -------------------------------------------------------------

std::string DriveList::driveText(char letter) {
    letter = static_cast<char>(tolower(static_cast<unsigned char>(letter)));
    std::string text{letter, ':'};
    char root[] = {letter, ':', '\\', 0};
    char label[MAX_PATH + 1] = {};
    UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    BOOL ok = GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0);
    SetErrorMode(old);
    if (ok && label[0]) text += std::string(" [") + label + "]";
    return text;
}

void DriveList::onCreated() {
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    letter_ = static_cast<char>(tolower(static_cast<unsigned char>(cwd[0] ? cwd[0] : 'c')));
    fill();
}

void DriveList::fill() {
    SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
    DWORD mask = GetLogicalDrives();
    int chosen = -1;
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        char letter = static_cast<char>('a' + i);
        LRESULT at = SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(driveText(letter).c_str()));
        if (letter == letter_) chosen = static_cast<int>(at);
    }
    if (chosen < 0 && count() > 0) {
        chosen = 0;
        letter_ = item(0)[0];
    }
    SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

int DriveList::count() const { return static_cast<int>(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0)); }

std::string DriveList::item(int index) const { return comboItem(hwnd_, index); }

std::string DriveList::drive() const {
    int i = static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
    return i < 0 ? std::string() : item(i);
}

void DriveList::refresh() { fill(); }

void DriveList::choose(int index, bool fire) {
    SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    char letter = item(index)[0];
    bool changed = letter != letter_;
    letter_ = letter;
    if (changed && fire && onChange) onChange();
}

void DriveList::setDrive(const std::string& drive) {
    char letter = letterOf(drive);
    if (!driveReady(letter)) throw RuntimeError(kDeviceUnavailable);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < count(); ++i)
            if (item(i)[0] == letter) {
                choose(i, true);
                return;
            }
        fill();  // the drive may have appeared since the list was read
    }
    throw RuntimeError(kDeviceUnavailable);
}

void DriveList::onCommand(int code) {
    if (code == CBN_SELCHANGE) {
        int i = static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
        if (i >= 0) choose(i, true);
    } else if (code == CBN_SETFOCUS && onGotFocus) {
        onGotFocus();
    }
}

// --- folder list ------------------------------------------------------------

void FolderList::onCreated() {
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    path_ = normaliseFolder(cwd);
    fill();
}

void FolderList::fill() {
    paths_.clear();
    std::vector<std::string> shown;
    // Ancestors from the root down to the folder itself.
    std::string root = path_.substr(0, 3);
    paths_.push_back(root);
    shown.push_back(std::string(1, static_cast<char>(tolower(static_cast<unsigned char>(root[0])))) + ":\\");
    size_t depth = 0;
    size_t pos = 3;
    while (pos < path_.size()) {
        size_t next = path_.find('\\', pos);
        if (next == std::string::npos) next = path_.size();
        ++depth;
        paths_.push_back(path_.substr(0, next));
        shown.push_back(std::string(depth * 2, ' ') + path_.substr(pos, next - pos));
        pos = next + 1;
    }
    ancestors_ = paths_.size();
    std::vector<std::string> subs;
    try {
        subs = listFolder(path_, true);
    } catch (const RuntimeError&) {
        // An unreadable folder still shows where it is.
    }
    for (const std::string& s : subs) {
        paths_.push_back(path_.back() == '\\' ? path_ + s : path_ + "\\" + s);
        shown.push_back(std::string((depth + 1) * 2, ' ') + s);
    }
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    for (const std::string& s : shown) SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    SendMessageA(hwnd_, LB_SETCURSEL, ancestors_ - 1, 0);
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void FolderList::setPath(const std::string& path) {
    // A bare drive ("d:") means the folder the system keeps as current on it.
    if (path.size() >= 2 && path[1] == ':' && !driveReady(letterOf(path))) throw RuntimeError(kDeviceUnavailable);
    std::string p = normaliseFolder(path);
    if (!folderExists(p)) throw RuntimeError(kPathNotFound);
    if (sameNoCase(p, path_)) return;
    path_ = p;
    fill();
    if (onChange) onChange();
}

void FolderList::refresh() { fill(); }

int FolderList::count() const { return static_cast<int>(paths_.size()); }

std::string FolderList::item(int index) const { return listItem(hwnd_, index); }

std::string FolderList::entryPath(int index) const {
    return index >= 0 && index < count() ? paths_[static_cast<size_t>(index)] : std::string();
}

void FolderList::onCommand(int code) {
    if (code != LBN_DBLCLK) return;
    int i = static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0));
    if (i >= 0) setPath(entryPath(i));
}

// --- file list --------------------------------------------------------------

void FileList::onCreated() {
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    path_ = normaliseFolder(cwd);
    fill();
}

void FileList::fill() {
    std::vector<std::string> names;
    try {
        names = listFolder(path_, false);
    } catch (...) {
        // Never the entries of another folder under this folder's name.
        SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
        bool told = unreadable_;
        unreadable_ = true;
        if (!told) throw;
        return;
    }
    unreadable_ = false;
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    for (const std::string& n : names) SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void FileList::setPath(const std::string& path) {
    std::string p = normaliseFolder(path);
    if (!folderExists(p)) throw RuntimeError(kPathNotFound);
    path_ = p;
    unreadable_ = false;
    fill();
}

void FileList::refresh() { fill(); }

int FileList::count() const { return static_cast<int>(SendMessageA(hwnd_, LB_GETCOUNT, 0, 0)); }

int FileList::listIndex() const { return static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0)); }

void FileList::setListIndex(int index) {
    if (index < -1 || index >= count()) throw RuntimeError(kInvalidProperty);
    // Choosing an entry from code is a click on it, even when it was chosen
    // already; the click handlers only read the list, so nothing repeats.
    SendMessageA(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (index >= 0 && onClick) onClick();
}

std::string FileList::item(int index) const { return listItem(hwnd_, index); }

std::string FileList::fileName() const {
    int i = listIndex();
    return i < 0 ? std::string() : item(i);
}

void FileList::onCommand(int code) {
    if (code == LBN_SELCHANGE && onClick) onClick();
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
