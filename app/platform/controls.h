// Thin classes over real Win32 controls, laid out in twips and scaled to the
// window's DPI. A control's state lives in the control itself.
//
// Every setter that changes a value, a drive, a folder or a selection runs the
// control's handler itself, to completion, before it returns; a user's action
// runs the same handler once. Win32 sends no notification for the messages
// used here (LB_SETCURSEL, CB_SETCURSEL, BM_SETCHECK), so nothing fires twice.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace platform {

class Form;

// Position and size in twips, relative to the form's client area or, for a
// control inside a frame, to that frame.
struct Twips {
    int left, top, width, height;
};

// A font of a control's own; without a face the control takes the window's
// one font.
struct FontSpec {
    std::string face;
    double points = 0;
};

const COLORREF kNoColour = 0xFFFFFFFF;

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    HWND hwnd() const { return hwnd_; }
    bool visible() const;
    void setVisible(bool visible);
    bool enabled() const;
    void setEnabled(bool enabled);
    void setFocus();
    bool hasFocus() const;
    std::string caption() const;
    void setCaption(const std::string& text);

    int tabIndex() const { return tabIndex_; }
    void useFont(const FontSpec& font) { font_ = font; }
    COLORREF backColour() const { return back_; }
    const FontSpec& font() const { return font_; }

protected:
    friend class Form;
    // Creation data, filled by the form when it adds the control.
    const char* className_ = "STATIC";
    DWORD style_ = 0;
    DWORD exStyle_ = 0;
    Twips place_{};
    Control* frame_ = nullptr;  // the frame whose origin place_ is relative to
    int tabIndex_ = -1;
    COLORREF back_ = kNoColour;
    FontSpec font_;
    std::string initialText_;
    std::string tooltip_;

    HWND hwnd_ = nullptr;
    Form* form_ = nullptr;

    // A notification from the control (WM_COMMAND code) reached the form.
    virtual void onCommand(int /*code*/) {}
    // Called once the window exists.
    virtual void onCreated() {}
    // The absolute position in twips.
    Twips absolute() const;
    friend Twips absoluteOf(const Control& c);
};

class Label : public Control {
public:
    void text(const std::string& t) { setCaption(t); }
    void refreshNow();  // repaint at once
};

class CommandButton : public Control {
public:
    std::function<void()> onClick;
    void click();  // as if pressed

protected:
    void onCommand(int code) override;
};

class CheckBox : public Control {
public:
    std::function<void()> onClick;
    int value() const;        // 0 unticked, 1 ticked
    void setValue(int value);  // runs onClick when the value changes

protected:
    void onCommand(int code) override;
};

class OptionGroup;

class OptionButton : public Control {
public:
    bool value() const;
    // Setting true clears the others of the group and runs the group's handler.
    void setValue(bool value);
    int index() const { return index_; }

protected:
    friend class OptionGroup;
    void onCommand(int code) override;
    OptionGroup* group_ = nullptr;
    int index_ = 0;
};

// An option-button array: one selected at a time, one handler with the index.
class OptionGroup {
public:
    std::function<void(short index)> onClick;
    void add(OptionButton& button, int index);
    OptionButton& operator[](int index);
    int selected() const;  // -1 when none is selected
    const std::vector<OptionButton*>& buttons() const { return buttons_; }

private:
    friend class OptionButton;
    void choose(OptionButton& button);
    std::vector<OptionButton*> buttons_;
};

class TextBox : public Control {
public:
    std::function<void()> onLostFocus;
    std::string text() const { return caption(); }
    void setText(const std::string& t) { setCaption(t); }

protected:
    void onCommand(int code) override;
};

// A drop-down list the user picks from but cannot type into.
class DropDownList : public Control {
public:
    void clear();
    void addItem(const std::string& item);
    int count() const;
    int listIndex() const;
    void setListIndex(int index);
    std::string text() const;  // the chosen entry, empty when none
    // Chooses the entry that equals the text; a run-time error 380 when none does.
    void setText(const std::string& text);
    std::string item(int index) const;
};

// A frame groups controls; one without a border draws nothing.
class Frame : public Control {
public:
    bool bordered = true;
};

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

// Menu entries: ids are given by the form.
class MenuEntry {
public:
    std::function<void()> onClick;
    std::string caption;
    UINT id = 0;
    HMENU menu = nullptr;
    void setEnabled(bool enabled);
    bool enabled() const;
};

// Normalises a folder path the way the folder list reports it: a full path,
// a drive root with its backslash, any other folder without one.
std::string normaliseFolder(const std::string& path);
bool folderExists(const std::string& path);

}  // namespace platform
