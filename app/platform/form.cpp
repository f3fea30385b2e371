#include "platform/form.h"

#include <commctrl.h>
#include <shellapi.h>
#include <uxtheme.h>

#include <algorithm>

#include "platform/ansi_text.h"
#include "platform/dialogs.h"
#include "platform/disabled_caption.h"
#include "platform/layout.h"
#include "platform/message_loop.h"
#include "platform/program.h"
#include "platform/runtime_error.h"

namespace platform {

std::vector<Form*> Form::open_;

namespace {
const char* const kFormClass = "CleavoForm";
const int kFirstControlId = 1000;
const UINT kFirstMenuId = 100;
}  // namespace

Form::Form(FormStyle style) : style_(std::move(style)) {}

Form::~Form() { destroy(); }

void Form::destroy() {
    if (hwnd_) {
        HWND w = hwnd_;
        DestroyWindow(w);
        hwnd_ = nullptr;
    }
    open_.erase(std::remove(open_.begin(), open_.end(), this), open_.end());
    for (auto& f : fonts_) DeleteObject(f.second);
    fonts_.clear();
    for (auto& b : brushes_) DeleteObject(b.second);
    brushes_.clear();
}

// --- registration -----------------------------------------------------------

void Form::add(Control& c, const char* cls, DWORD style, Twips place, int tabIndex, const std::string& text,
               Control* frame) {
    c.className_ = cls;
    c.style_ = style;
    c.place_ = place;
    c.tabIndex_ = tabIndex;
    c.initialText_ = text;
    c.frame_ = frame;
    controls_.push_back(&c);
}

void Form::addLabel(Label& c, Twips place, int tabIndex, const std::string& text, COLORREF back, Control* frame) {
    add(c, "STATIC", SS_LEFT | SS_NOPREFIX, place, tabIndex, text, frame);
    c.back_ = back;
}

void Form::addButton(CommandButton& c, Twips place, int tabIndex, const std::string& text) {
    add(c, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, place, tabIndex, text);
}

void Form::addCheck(CheckBox& c, Twips place, int tabIndex, const std::string& text, Control* frame) {
    add(c, "BUTTON", BS_CHECKBOX | WS_TABSTOP, place, tabIndex, text, frame);
    c.back_ = style_.back;
}

void Form::addOption(OptionGroup& g, OptionButton& c, int index, Twips place, int tabIndex, const std::string& text,
                     Control* frame, const std::string& tooltip) {
    add(c, "BUTTON", BS_RADIOBUTTON, place, tabIndex, text, frame);
    c.back_ = style_.back;
    c.tooltip_ = tooltip;
    g.add(c, index);
    if (std::find(groups_.begin(), groups_.end(), &g) == groups_.end()) {
        groups_.push_back(&g);
        g.onChosenChanged = [this] { updateTabStops(); };
    }
}

void Form::addText(TextBox& c, Twips place, int tabIndex, const std::string& text, Control* frame,
                   const std::string& name) {
    add(c, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, place, tabIndex, text, frame);
    c.exStyle_ = WS_EX_CLIENTEDGE;
    c.accessibleName_ = name;
}

void Form::addDropDown(DropDownList& c, Twips place, int tabIndex, Control* frame, const std::string& name) {
    add(c, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, place, tabIndex, "", frame);
    c.accessibleName_ = name;
}

void Form::addFrame(Frame& c, Twips place, int tabIndex, const std::string& text, bool bordered,
                    Control* frame) {
    // A frame without a border is only an origin for its controls.
    // Its caption is never seen, so the borderless one is a blank grey area.
    add(c, bordered ? "BUTTON" : "STATIC", bordered ? BS_GROUPBOX : SS_LEFT, place, tabIndex, bordered ? text : "",
        frame);
    c.bordered = bordered;
    c.back_ = style_.back;
}

void Form::addDriveList(DriveList& c, Twips place, int tabIndex, const std::string& name) {
    add(c, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, place, tabIndex);
    c.accessibleName_ = name;
}

void Form::addFolderList(FolderList& c, Twips place, int tabIndex, const std::string& name) {
    add(c, "LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, place, tabIndex);
    c.exStyle_ = WS_EX_CLIENTEDGE;
    c.accessibleName_ = name;
}

void Form::addFileList(FileList& c, Twips place, int tabIndex, const std::string& name) {
    add(c, "LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, place, tabIndex);
    c.exStyle_ = WS_EX_CLIENTEDGE;
    c.accessibleName_ = name;
}

void Form::addMenu(const std::string& caption, std::vector<MenuEntry*> entries) {
    menus_.emplace_back(caption, std::move(entries));
}

// --- creation ---------------------------------------------------------------

void Form::create(HINSTANCE instance, int show) {
    static bool registered = false;
    if (!registered) {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Form::windowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kFormClass;
        RegisterClassExA(&wc);
        registered = true;
    }
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    // Where the system puts a new window: on the monitor the program was started on.
    hwnd_ = CreateWindowExA(0, kFormClass, style_.caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                            nullptr, nullptr, instance, this);
    if (!hwnd_) throw RuntimeError::fromWin32(GetLastError());
    if (!boxOwner()) setBoxOwner(hwnd_);  // the first window is the program's main one
    open_.push_back(this);
    setMessageFilter(&Form::translateDialogMessage);
    dpi_ = windowDpi(hwnd_);
    textScale_ = textScalePercent();

    if (style_.iconId) {
        HICON big = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(style_.iconId), IMAGE_ICON, 32, 32, 0));
        HICON small = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(style_.iconId), IMAGE_ICON, 16, 16, 0));
        if (big) SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        if (small) SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
    createMenus(instance);
    createControls(instance);
    createTooltips(instance);
    if (style_.acceptsFiles) DragAcceptFiles(hwnd_, TRUE);
    arrangeTabOrder();
    updateTabStops();
    initialState();

    Form_Load();

    centreOnWorkArea(hwnd_);
    ShowWindow(hwnd_, show);
    // The first control in the tab order takes the focus; the first paint
    // follows from the message loop, after the focus event.
    HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (first) SetFocus(first);
}

void Form::createMenus(HINSTANCE) {
    if (menus_.empty()) return;
    HMENU bar = CreateMenu();
    UINT id = kFirstMenuId;
    for (auto& m : menus_) {
        HMENU popup = CreatePopupMenu();
        for (MenuEntry* e : m.second) {
            e->id = id++;
            e->menu = popup;
            AppendMenuA(popup, MF_STRING, e->id, e->caption.c_str());
            menuById_[e->id] = e;
        }
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), m.first.c_str());
    }
    SetMenu(hwnd_, bar);
}

void Form::createControls(HINSTANCE instance) {
    int id = kFirstControlId;
    for (Control* c : controls_) {
        c->hwnd_ = CreateWindowExA(c->exStyle_, c->className_, c->initialText_.c_str(),
                                   WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE | c->style_, 0, 0, 10, 10, hwnd_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
        if (!c->hwnd_) throw RuntimeError::fromWin32(GetLastError());
        // Visible, as the accessibility layer passes over hidden labels, and
        // of no size, so that the window looks as designed.
        if (!c->accessibleName_.empty())
            c->nameLabel_ = CreateWindowExA(0, "STATIC", c->accessibleName_.c_str(),
                                            WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, hwnd_, nullptr,
                                            instance, nullptr);
    }
    layout();
    for (Control* c : controls_) c->onCreated();
    // Check boxes and option buttons on a coloured form draw classically, so
    // that they take the form's colours, and draw a disabled caption that
    // reads on them.
    for (Control* c : controls_)
        if (dynamic_cast<CheckBox*>(c) || dynamic_cast<OptionButton*>(c)) {
            SetWindowTheme(c->hwnd_, L"", L"");
            drawDisabledCaptionsReadably(c->hwnd_, c->back_);
        }
    // A group box paints only its border and caption; under the window's
    // clipping of its children nothing else would paint the inside.
    for (Control* c : controls_)
        if (dynamic_cast<Frame*>(c))
            SetWindowSubclass(c->hwnd_, &Form::frameProc, 0, reinterpret_cast<DWORD_PTR>(brushFor(c->back_)));
}

void Form::createTooltips(HINSTANCE instance) {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance, nullptr);
    for (Control* c : controls_) {
        if (c->tooltip_.empty() || !tooltip_) continue;
        TOOLINFOA ti = {};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = hwnd_;
        ti.uId = reinterpret_cast<UINT_PTR>(c->hwnd_);
        ti.lpszText = const_cast<char*>(c->tooltip_.c_str());
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

void Form::setHourglass(bool on) {
    hourglass_ = on;
    POINT p;
    GetCursorPos(&p);
    SetCursorPos(p.x, p.y);  // makes the system ask for the pointer again
    SetCursor(LoadCursor(nullptr, on ? IDC_WAIT : IDC_ARROW));
}

// --- messages ---------------------------------------------------------------

void Form::unhandledFailure(const std::string& what) { msgBox(what, kCritical); }

// --- messages ---------------------------------------------------------------

LRESULT CALLBACK Form::frameProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR brush) {
    // The paint's own device context, clipped to what needs painting: the
    // group box then draws its border and caption over the same part only.
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(w, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, reinterpret_cast<HBRUSH>(brush));
        return 1;
    }
    return DefSubclassProc(w, msg, wParam, lParam);
}

LRESULT CALLBACK Form::windowProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
    Form* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = w;
    } else {
        self = reinterpret_cast<Form*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcA(w, msg, wParam, lParam);
    // No exception crosses the window procedure.
    try {
        return self->handle(msg, wParam, lParam);
    } catch (const ProgramEnded&) {
        return 0;
    } catch (const RuntimeError& e) {
        self->unhandledFailure(e.description());
    } catch (const std::exception& e) {
        self->unhandledFailure(e.what());
    } catch (...) {
        self->unhandledFailure("Unexpected failure");
    }
    return 0;
}

LRESULT Form::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND: return onCommand(wParam, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return onControlColour(msg, wParam, lParam);
    case WM_PRINTCLIENT:  // themed group boxes and check boxes draw the form behind them
    case WM_ERASEBKGND: return onEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_PAINT: return onPaint();
    case WM_SETCURSOR: return onSetCursor(msg, wParam, lParam);
    case WM_ACTIVATE: return onActivate(msg, wParam, lParam);
    case 0x02E0 /* WM_DPICHANGED */: return onDpiChanged(wParam, lParam);
    case WM_SETTINGCHANGE: return onSettingChange(msg, wParam, lParam);
    case WM_DISPLAYCHANGE: return onDisplayChange();
    case WM_GETMINMAXINFO: return onGetMinMaxInfo(lParam);
    case WM_DROPFILES: return onDropFiles(reinterpret_cast<HDROP>(wParam));
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION: return wParam ? onSessionEnding() : 0;
    case WM_DESTROY: return onDestroy();
    case WM_NCDESTROY: return onNcDestroy(msg, wParam, lParam);
    default: return DefWindowProcA(hwnd_, msg, wParam, lParam);
    }
}

LRESULT Form::onCommand(WPARAM wParam, LPARAM lParam) {
    HWND from = reinterpret_cast<HWND>(lParam);
    if (from) {
        for (Control* c : controls_)
            if (c->hwnd_ == from) {
                c->onCommand(HIWORD(wParam));
                break;
            }
        return 0;
    }
    if (HIWORD(wParam) == 0) {
        auto it = menuById_.find(LOWORD(wParam));
        if (it != menuById_.end() && it->second->onClick) it->second->onClick();
    }
    return 0;
}

LRESULT Form::onControlColour(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND from = reinterpret_cast<HWND>(lParam);
    for (Control* c : controls_)
        if (c->hwnd_ == from && c->back_ != kNoColour) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, c->back_);
            SetTextColor(dc, GetSysColor(IsWindowEnabled(from) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
            return reinterpret_cast<LRESULT>(brushFor(c->back_));
        }
    return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

LRESULT Form::onEraseBackground(HDC dc) {
    RECT r;
    GetClientRect(hwnd_, &r);
    FillRect(dc, &r, brushFor(style_.back));
    return 1;
}

LRESULT Form::onPaint() {
    PAINTSTRUCT ps;
    BeginPaint(hwnd_, &ps);
    EndPaint(hwnd_, &ps);
    // The paint event may re-read lists and set texts; those repaint only the
    // controls, and a paint that arrives meanwhile is not run again.
    if (painting_) return 0;
    painting_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{painting_};
    Form_Paint();
    return 0;
}

LRESULT Form::onSetCursor(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!hourglass_) return DefWindowProcA(hwnd_, msg, wParam, lParam);
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    return TRUE;
}

LRESULT Form::onActivate(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND f = GetFocus();
        if (f && IsChild(hwnd_, f)) lastFocus_ = f;
        return DefWindowProcA(hwnd_, msg, wParam, lParam);
    }
    // Unless the focus is on one of its controls already, the control that
    // last had it (or the first tab stop) gets it.
    if (IsChild(hwnd_, GetFocus())) return DefWindowProcA(hwnd_, msg, wParam, lParam);
    HWND back = lastFocus_;
    if (!back || !IsWindow(back) || !IsChild(hwnd_, back) || !IsWindowVisible(back) || !IsWindowEnabled(back))
        back = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (back) SetFocus(back);
    return 0;
}

LRESULT Form::onDpiChanged(WPARAM wParam, LPARAM lParam) {
    dpi_ = HIWORD(wParam);
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
    InvalidateRect(hwnd_, nullptr, TRUE);
    return 0;
}

// "Make text bigger" changed: the window's text takes the new size, and the
// controls the room their captions then need. The taskbar moved or grew: the
// window fits what it left.
LRESULT Form::onSettingChange(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int scale = textScalePercent();
    if (scale != textScale_ || wParam == SPI_SETWORKAREA) {
        textScale_ = scale;
        layout();
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

// The screen took another size: the window fits it again.
LRESULT Form::onDisplayChange() {
    layout();
    InvalidateRect(hwnd_, nullptr, TRUE);
    return 0;
}

// Where even the least spacing leaves the window larger than the screen, the
// system would otherwise cut it to the screen's size, over its captions.
LRESULT Form::onGetMinMaxInfo(LPARAM lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMaxTrackSize.x = std::max(info->ptMaxTrackSize.x, laidOut_.cx);
    info->ptMaxTrackSize.y = std::max(info->ptMaxTrackSize.y, laidOut_.cy);
    return 0;
}

LRESULT Form::onDropFiles(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, &path[0], static_cast<UINT>(path.size())));
        paths.push_back(ansiFrom(path));
    }
    DragFinish(drop);  // the sender's memory goes before the handler can fail
    filesDropped(paths);
    return 0;
}

LRESULT Form::onSessionEnding() {
    sessionEnding();
    return 0;
}

void Form::sessionEnding() { destroy(); }

LRESULT Form::onDestroy() {
    if (quitOnDestroy) PostQuitMessage(0);
    return 0;
}

LRESULT Form::onNcDestroy(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND self = hwnd_;
    if (boxOwner() == self) setBoxOwner(nullptr);
    SetWindowLongPtrA(self, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    for (Control* c : controls_) c->hwnd_ = c->nameLabel_ = nullptr;
    return DefWindowProcA(self, msg, wParam, lParam);
}

}  // namespace platform
