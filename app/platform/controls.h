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
    // What a screen reader names a control without a caption of its own by:
    // the text of the Static right before it in the z-order, as the system's
    // accessibility layer reads it. That label has no size, so it shows nothing.
    std::string accessibleName_;
    HWND nameLabel_ = nullptr;

    HWND hwnd_ = nullptr;

    // A notification from the control (WM_COMMAND code) reached the form.
    virtual void onCommand(int /*code*/) {}
    // Called once the window exists.
    virtual void onCreated() {}
    // The absolute position in twips.
    Twips absolute() const;
};

class Label : public Control {
public:
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
    // Runs whenever the chosen button changes, before onClick (the form
    // keeps its tab stops on the chosen button with it).
    std::function<void()> onChosenChanged;
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

// The text of entry `index` of a list box or a combo box (its list); empty
// when there is none.
std::string listBoxItem(HWND list, int index);
std::string comboBoxItem(HWND box, int index);

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

}  // namespace platform
