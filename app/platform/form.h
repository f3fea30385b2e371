// The form: a fixed-border top-level window that owns a set of controls laid
// out in twips, a menu bar, and the load and paint events.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <map>
#include <string>
#include <vector>

#include "platform/browse_lists.h"
#include "platform/controls.h"
#include "platform/layout.h"

namespace platform {

struct FormStyle {
    std::string caption;
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    COLORREF back = RGB(192, 192, 192);
    int iconId = 0;
    // Files dropped from Explorer reach filesDropped().
    bool acceptsFiles = false;
};

class Form {
public:
    explicit Form(FormStyle style);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window and its controls, runs the load event, then shows
    // the window centred on the screen. A run-time error when the window
    // cannot be made.
    void create(HINSTANCE instance, int show = SW_SHOW);
    HWND hwnd() const { return hwnd_; }
    UINT dpi() const { return dpi_; }
    int toPixels(int twips) const { return twipsToPixels(twips, dpi_); }

    // The hourglass over the whole window, or the normal pointer.
    void setHourglass(bool on);
    bool hourglass() const { return hourglass_; }

    // Lets keyboard navigation (Tab, access keys, arrows) reach the form;
    // the message loop's filter once a form exists.
    static bool translateDialogMessage(MSG& msg);

    void destroy();
    // The font of every control without one of its own ("MS Shell Dlg", 8
    // points, unless set); the controls grow where their captions need it.
    void setFont(const FontSpec& font);
    // Only the chosen option of each group is a tab stop.
    void updateTabStops();
    // The real program ends its message loop when its window is gone.
    bool quitOnDestroy = false;

protected:
    // Control registration, in twips; call before create().
    void add(Control& c, const char* cls, DWORD style, Twips place, int tabIndex,
             const std::string& text = "", Control* frame = nullptr);
    void addLabel(Label& c, Twips place, int tabIndex, const std::string& text, COLORREF back,
                  Control* frame = nullptr);
    void addButton(CommandButton& c, Twips place, int tabIndex, const std::string& text);
    void addCheck(CheckBox& c, Twips place, int tabIndex, const std::string& text, Control* frame);
    void addOption(OptionGroup& g, OptionButton& c, int index, Twips place, int tabIndex,
                   const std::string& text, Control* frame, const std::string& tooltip = "");
    // A list, drop-down or text box has no caption of its own: `name` is
    // what a screen reader calls it (see nameLabel_ in controls.h).
    void addText(TextBox& c, Twips place, int tabIndex, const std::string& text, Control* frame,
                 const std::string& name);
    void addDropDown(DropDownList& c, Twips place, int tabIndex, Control* frame, const std::string& name);
    void addFrame(Frame& c, Twips place, int tabIndex, const std::string& text, bool bordered,
                  Control* frame = nullptr);
    void addDriveList(DriveList& c, Twips place, int tabIndex, const std::string& name);
    void addFolderList(FolderList& c, Twips place, int tabIndex, const std::string& name);
    void addFileList(FileList& c, Twips place, int tabIndex, const std::string& name);
    // A menu on the bar and its entries.
    void addMenu(const std::string& caption, std::vector<MenuEntry*> entries);

    // The design-time state of the controls, set before the load event.
    virtual void initialState() {}
    virtual void Form_Load() {}
    virtual void Form_Paint() {}
    // Files or folders dropped on the window, full paths in the order given.
    virtual void filesDropped(const std::vector<std::string>& /*paths*/) {}
    // A failure that reached the window procedure with no handler of its own.
    virtual void unhandledFailure(const std::string& what);
    // The user is logging off or the system shutting down: the program may
    // be ended as soon as this returns. The window goes.
    virtual void sessionEnding();

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK frameProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);

    // Creation (form.cpp).
    void createMenus(HINSTANCE instance);
    void createControls(HINSTANCE instance);
    void createTooltips(HINSTANCE instance);
    // The messages, one member each (form.cpp).
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onControlColour(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT onEraseBackground(HDC dc);
    LRESULT onPaint();
    LRESULT onSetCursor(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT onActivate(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT onDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT onSettingChange(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT onDisplayChange();
    LRESULT onGetMinMaxInfo(LPARAM lParam);
    LRESULT onDropFiles(HDROP drop);
    LRESULT onSessionEnding();
    LRESULT onDestroy();
    LRESULT onNcDestroy(UINT msg, WPARAM wParam, LPARAM lParam);

    // Layout, DPI and fonts (form_layout.cpp).
    struct Growth {
        int width = 0, height = 0;  // pixels
    };
    struct Box {
        int left, top, right, bottom;  // pixels
    };
    // What the layout gives up so that the window fits its screen: the
    // design's spacing across and down (percent of the designed twips) and
    // the room the lists may grow by to keep their lines (pixels).
    struct Fit {
        int across = 100, down = 100;
        int listRoom = 0;
    };
    void layout();
    SIZE windowSizeFor(std::map<const Control*, RECT>& placed, SIZE* client = nullptr);
    Growth arrange(const Control* frame, std::map<const Control*, RECT>& placed);
    Growth captionGrowth(const Control& c, const Box& designed);
    SIZE captionExtent(const Control& c, INT* digit);
    int placeAcross(int twips) const { return MulDiv(twips, static_cast<int>(dpi_) * fit_.across, 144000); }
    int placeDown(int twips) const { return MulDiv(twips, static_cast<int>(dpi_) * fit_.down, 144000); }
    HFONT fontFor(const FontSpec& wanted);
    HFONT windowFont();
    HFONT fontOf(const Control& c);
    static bool isButtonKind(const Control& c, DWORD kind) {
        return c.className_ == std::string("BUTTON") && (c.style_ & BS_TYPEMASK) == kind;
    }
    HBRUSH brushFor(COLORREF colour);

    // The keyboard (form_keyboard.cpp).
    void arrangeTabOrder();
    bool moveInOptionGroup(HWND focus, int step);

    FormStyle style_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    UINT dpi_ = 96;
    int textScale_ = 100;  // the user's text size, in percent
    FontSpec font_{"MS Shell Dlg", 8};
    SIZE laidOut_{0, 0};  // the window's size as laid out, in pixels
    Fit fit_;
    // Each caption's size and its font's digit width, for one layout.
    std::map<const Control*, std::pair<SIZE, INT>> extents_;
    bool hourglass_ = false;
    bool painting_ = false;
    // The control that had the keyboard focus when the window was last
    // deactivated (by a message box, say); it gets it back on return.
    HWND lastFocus_ = nullptr;
    std::vector<Control*> controls_;
    std::vector<OptionGroup*> groups_;
    std::vector<std::pair<std::string, std::vector<MenuEntry*>>> menus_;
    std::map<UINT, MenuEntry*> menuById_;
    std::map<std::string, HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
    static std::vector<Form*> open_;
};

}  // namespace platform
