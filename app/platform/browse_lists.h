// The three browsing lists over real Win32 controls: drives, the folders of
// the current folder, and its files. Each keeps the drive or folder it shows
// and runs its handler when that changes.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace platform {

// Drives as "c: [LABEL]": the lower-case letter, the volume label in brackets.
class DriveList : public Control {
public:
    std::function<void()> onChange;
    std::function<void()> onGotFocus;

    std::string drive() const;  // the chosen entry's text
    // Accepts "c:", "C:\..." or "c: [LABEL]"; a drive that is not ready or does
    // not exist is a run-time error 68. Runs onChange when the drive changes.
    void setDrive(const std::string& drive);
    void refresh();  // reads the drives anew, keeping the chosen one
    int count() const;
    std::string item(int index) const;

    // The drive text of the drive root ("c:\" -> "c: [LABEL]").
    static std::string driveText(char letter);

protected:
    void onCommand(int code) override;
    void onCreated() override;
    void fill();
    void choose(int index, bool fire);
    char letter_ = 0;  // the chosen drive, lower case
};

// The current folder's ancestors from the root down, then its subfolders;
// a double-click enters one.
class FolderList : public Control {
public:
    std::function<void()> onChange;

    // C:\ for a root, C:\Data otherwise.
    std::string path() const { return path_; }
    // Accepts a folder path or a bare drive ("c:" means that drive's current
    // folder). A missing folder is a run-time error 76, a drive that is not
    // ready 68. Runs onChange when the folder changes.
    void setPath(const std::string& path);
    void refresh();
    int count() const;
    std::string item(int index) const;  // as listed
    std::string entryPath(int index) const;
    int currentEntry() const { return static_cast<int>(ancestors_) - 1; }

protected:
    void onCommand(int code) override;
    void onCreated() override;
    void fill();
    std::string path_;
    std::vector<std::string> paths_;  // full path of each entry
    size_t ancestors_ = 0;
};

// The ordinary files of a folder (hidden and system files left out), sorted
// by name.
class FileList : public Control {
public:
    std::function<void()> onClick;

    std::string path() const { return path_; }
    // Points the list at a folder and reads it; nothing is selected then.
    void setPath(const std::string& path);
    // Reads the folder anew; nothing is selected then. A folder that cannot
    // be read leaves the list empty; the failure is raised once, and later
    // re-reads of the same unreadable folder stay quiet until it can be read
    // again (every repaint re-reads, so raising each time would never end).
    void refresh();
    int count() const;
    int listIndex() const;
    // Selects an entry (-1 for none); an index past the end is a run-time
    // error 380. Runs onClick whenever an entry is selected.
    void setListIndex(int index);
    std::string fileName() const;  // the selected entry, empty when none
    std::string item(int index) const;

protected:
    void onCommand(int code) override;
    void onCreated() override;
    void fill();
    std::string path_;
    bool unreadable_ = false;
};

}  // namespace platform
