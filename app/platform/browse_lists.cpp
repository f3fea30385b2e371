#include "platform/browse_lists.h"

#include <cctype>

#include "platform/ansi_text.h"
#include "platform/files.h"
#include "platform/runtime_error.h"

namespace platform {

namespace {
bool sameNoCase(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// The program's working folder, however long its name.
std::string currentFolder() {
    std::wstring cwd(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(cwd.size()), &cwd[0]);
        if (n < cwd.size()) return ansiFrom(cwd.substr(0, n));
        cwd.resize(n);
    }
}

// The lists start in the program's working folder.
std::string startFolder() { return normaliseFolder(currentFolder()); }
}  // namespace

// --- drive list -------------------------------------------------------------

std::string DriveList::driveText(char letter) {
    letter = static_cast<char>(tolower(static_cast<unsigned char>(letter)));
    std::string text{letter, ':'};
    char root[] = {letter, ':', '\\', 0};
    char label[MAX_PATH + 1] = {};
    QuietDriveErrors quiet;
    BOOL ok = GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0);
    if (ok && label[0]) text += std::string(" [") + label + "]";
    return text;
}

void DriveList::onCreated() {
    const std::string cwd = currentFolder();
    letter_ = static_cast<char>(tolower(static_cast<unsigned char>(cwd.empty() ? 'c' : cwd[0])));
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

std::string DriveList::item(int index) const { return comboBoxItem(hwnd_, index); }

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
    char letter = driveLetterOf(drive);
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
    path_ = startFolder();
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
    if (path.size() >= 2 && path[1] == ':' && !driveReady(driveLetterOf(path))) throw RuntimeError(kDeviceUnavailable);
    std::string p = normaliseFolder(path);
    if (!folderExists(p)) throw RuntimeError(kPathNotFound);
    if (sameNoCase(p, path_)) return;
    path_ = p;
    fill();
    if (onChange) onChange();
}

void FolderList::refresh() { fill(); }

int FolderList::count() const { return static_cast<int>(paths_.size()); }

std::string FolderList::item(int index) const { return listBoxItem(hwnd_, index); }

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
    path_ = startFolder();
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

std::string FileList::item(int index) const { return listBoxItem(hwnd_, index); }

std::string FileList::fileName() const {
    int i = listIndex();
    return i < 0 ? std::string() : item(i);
}

void FileList::onCommand(int code) {
    if (code == LBN_SELCHANGE && onClick) onClick();
}

}  // namespace platform
