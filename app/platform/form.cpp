#include "platform/form.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>

#include "platform/dialogs.h"
#include "platform/disabled_caption.h"
#include "platform/program.h"
#include "platform/runtime_error.h"

namespace platform {

std::vector<Form*> Form::open_;

namespace {

const char* const kFormClass = "CleavoForm";
const int kFirstControlId = 1000;
const UINT kFirstMenuId = 100;

bool isChildOf(HWND parent, HWND w) { return w == parent || IsChild(parent, w); }

}  // namespace

UINT windowDpi(HWND w) {
    typedef UINT(WINAPI * GetDpiForWindowFn)(HWND);
    static auto fn = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (fn && w) {
        UINT d = fn(w);
        if (d) return d;
    }
    HDC dc = GetDC(nullptr);
    int d = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return d > 0 ? static_cast<UINT>(d) : 96;
}

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
    c.form_ = this;
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
    if (std::find(groups_.begin(), groups_.end(), &g) == groups_.end()) groups_.push_back(&g);
}

void Form::addText(TextBox& c, Twips place, int tabIndex, const std::string& text, Control* frame) {
    add(c, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, place, tabIndex, text, frame);
    c.exStyle_ = WS_EX_CLIENTEDGE;
}

void Form::addDropDown(DropDownList& c, Twips place, int tabIndex, Control* frame) {
    add(c, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, place, tabIndex, "", frame);
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

void Form::addDriveList(DriveList& c, Twips place, int tabIndex) {
    add(c, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, place, tabIndex);
}

void Form::addFolderList(FolderList& c, Twips place, int tabIndex) {
    add(c, "LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, place, tabIndex);
    c.exStyle_ = WS_EX_CLIENTEDGE;
}

void Form::addFileList(FileList& c, Twips place, int tabIndex) {
    add(c, "LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, place, tabIndex);
    c.exStyle_ = WS_EX_CLIENTEDGE;
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
    hwnd_ = CreateWindowExA(0, kFormClass, style_.caption.c_str(), style, 0, 0, 100, 100, nullptr, nullptr, instance,
                            this);
    if (!hwnd_) throw RuntimeError::fromWin32(GetLastError());
    open_.push_back(this);
    dpi_ = windowDpi(hwnd_);

    if (style_.iconId) {
        HICON big = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(style_.iconId), IMAGE_ICON, 32, 32, 0));
        HICON small = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(style_.iconId), IMAGE_ICON, 16, 16, 0));
        if (big) SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        if (small) SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }

    if (!menus_.empty()) {
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

    int id = kFirstControlId;
    for (Control* c : controls_) {
        c->hwnd_ = CreateWindowExA(c->exStyle_, c->className_, c->initialText_.c_str(),
                                   WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE | c->style_, 0, 0, 10, 10, hwnd_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
        if (!c->hwnd_) throw RuntimeError::fromWin32(GetLastError());
    }
    layout();
    for (Control* c : controls_) c->onCreated();
    // A group box paints only its border and caption; under the window's
    // clipping of its children nothing else would paint the inside.
    // Check boxes and option buttons on a coloured form draw classically, so
    // that they take the form's colours; disabled, they draw a caption that
    // still reads on that colour.
    for (Control* c : controls_)
        if (dynamic_cast<CheckBox*>(c) || dynamic_cast<OptionButton*>(c)) {
            SetWindowTheme(c->hwnd_, L"", L"");
            drawDisabledCaptionsReadably(c->hwnd_, c->back_);
        }
    for (Control* c : controls_)
        if (dynamic_cast<Frame*>(c))
            SetWindowSubclass(c->hwnd_, &Form::frameProc, 0, reinterpret_cast<DWORD_PTR>(brushFor(c->back_)));

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
    arrangeTabOrder();
    updateTabStops();
    initialState();

    Form_Load();

    // Centre on the screen's work area.
    RECT r;
    GetWindowRect(hwnd_, &r);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int w = r.right - r.left, h = r.bottom - r.top;
    SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - w) / 2,
                 work.top + (work.bottom - work.top - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, show);
    // The first control in the tab order takes the focus; the first paint
    // follows from the message loop, after the focus event.
    HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (first) SetFocus(first);
}

HFONT Form::fontFor(const FontSpec& wanted) {
    std::string key = wanted.face + "/" + std::to_string(wanted.points) + "/" + std::to_string(dpi_);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second;
    LOGFONTA lf = {};
    lf.lfHeight = -static_cast<LONG>(wanted.points * dpi_ / 72.0 + 0.5);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, wanted.face.c_str(), LF_FACESIZE);
    HFONT f = CreateFontIndirectA(&lf);
    fonts_[key] = f;
    return f;
}

// The one font of every control without a font of its own: "MS Shell Dlg"
// at 8 points for the window's DPI, as dialogs use. Check boxes and option
// buttons keep their designed width; where a stand-in for that face runs too
// wide for a caption, the whole window's font is made smaller, a pixel at a
// time, so that every caption fits and all show alike.
HFONT Form::windowFont() {
    std::string key = "window/" + std::to_string(dpi_);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second;

    struct Caption {
        std::string text;
        int room;
    };
    std::vector<Caption> captions;
    for (Control* c : controls_) {
        DWORD kind = c->style_ & BS_TYPEMASK;
        bool boxed = c->className_ == std::string("BUTTON") && (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX ||
                                                               kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON);
        if (!boxed || !c->font_.face.empty()) continue;
        Caption k;
        for (char ch : c->initialText_)
            if (ch != '&') k.text += ch;
        k.room = toPixels(c->place_.width) - MulDiv(13, static_cast<int>(dpi_), 96) - toPixels(90);
        captions.push_back(k);
    }

    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(8, static_cast<int>(dpi_), 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, "MS Shell Dlg", LF_FACESIZE);
    const LONG smallest = -MulDiv(6, static_cast<int>(dpi_), 72);
    HDC dc = GetDC(hwnd_);
    HFONT font = nullptr;
    for (;;) {
        font = CreateFontIndirectA(&lf);
        HGDIOBJ old = SelectObject(dc, font);
        bool fits = true;
        for (const Caption& k : captions) {
            SIZE size = {};
            GetTextExtentPoint32A(dc, k.text.c_str(), static_cast<int>(k.text.size()), &size);
            fits = fits && size.cx <= k.room;
        }
        SelectObject(dc, old);
        if (fits || lf.lfHeight >= smallest) break;
        DeleteObject(font);
        ++lf.lfHeight;  // a pixel smaller
    }
    ReleaseDC(hwnd_, dc);
    fonts_[key] = font;
    return font;
}

HBRUSH Form::brushFor(COLORREF colour) {
    auto it = brushes_.find(colour);
    if (it != brushes_.end()) return it->second;
    HBRUSH b = CreateSolidBrush(colour);
    brushes_[colour] = b;
    return b;
}

void Form::layout() {
    RECT want = {0, 0, toPixels(style_.clientWidth), toPixels(style_.clientHeight)};
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE));
    AdjustWindowRectEx(&want, style, GetMenu(hwnd_) != nullptr, 0);
    SetWindowPos(hwnd_, nullptr, 0, 0, want.right - want.left, want.bottom - want.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps takes client height: grow until the client fits.
    RECT client;
    GetClientRect(hwnd_, &client);
    if (client.bottom < toPixels(style_.clientHeight)) {
        RECT r;
        GetWindowRect(hwnd_, &r);
        SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left,
                     r.bottom - r.top + toPixels(style_.clientHeight) - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (Control* c : controls_) {
        Twips t = c->absolute();
        int height = toPixels(t.height);
        // A drop-down's height is its edit part; give the list room to open.
        if (c->className_ == std::string("COMBOBOX")) height = toPixels(t.height) * 8;
        SetWindowPos(c->hwnd_, nullptr, toPixels(t.left), toPixels(t.top), toPixels(t.width), height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        HFONT font = c->font_.face.empty() ? windowFont() : fontFor(c->font_);
        SendMessageA(c->hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        if (c->className_ == std::string("COMBOBOX"))
            SendMessageA(c->hwnd_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), toPixels(t.height) - 6);
    }
}

void Form::arrangeTabOrder() {
    // Keyboard order follows the z-order: controls by tab index on top, the
    // frames underneath so that they never paint over their contents.
    std::vector<Control*> order(controls_);
    std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) {
        bool fa = dynamic_cast<Frame*>(a) != nullptr, fb = dynamic_cast<Frame*>(b) != nullptr;
        if (fa != fb) return fb;
        return a->tabIndex_ < b->tabIndex_;
    });
    HWND after = HWND_TOP;
    for (Control* c : order) {
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

void Form::setHourglass(bool on) {
    hourglass_ = on;
    POINT p;
    GetCursorPos(&p);
    SetCursorPos(p.x, p.y);  // makes the system ask for the pointer again
    SetCursor(LoadCursor(nullptr, on ? IDC_WAIT : IDC_ARROW));
}

// --- messages ---------------------------------------------------------------

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

int Form::run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!translateDialogMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

void Form::unhandledFailure(const std::string& what) { msgBox(what, kCritical); }

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
    HWND self = hwnd_;
    switch (msg) {
    case WM_COMMAND: {
        HWND from = reinterpret_cast<HWND>(lParam);
        if (from) {
            for (Control* c : controls_)
                if (c->hwnd_ == from) {
                    c->onCommand(HIWORD(wParam));
                    return 0;
                }
            return 0;
        }
        if (HIWORD(wParam) == 0) {
            auto it = menuById_.find(LOWORD(wParam));
            if (it != menuById_.end() && it->second->onClick) it->second->onClick();
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        HWND from = reinterpret_cast<HWND>(lParam);
        for (Control* c : controls_)
            if (c->hwnd_ == from && c->back_ != kNoColour) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                SetBkColor(dc, c->back_);
                SetTextColor(dc, GetSysColor(IsWindowEnabled(from) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
                return reinterpret_cast<LRESULT>(brushFor(c->back_));
            }
        break;
    }
    case WM_PRINTCLIENT: {
        // Themed group boxes and check boxes draw the form behind them.
        RECT r;
        GetClientRect(hwnd_, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, brushFor(style_.back));
        return 0;
    }
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd_, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, brushFor(style_.back));
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd_, &ps);
        EndPaint(hwnd_, &ps);
        // The paint event may re-read lists and set texts; those repaint only
        // the controls, and a paint that arrives meanwhile is not run again.
        if (!painting_) {
            painting_ = true;
            try {
                Form_Paint();
            } catch (...) {
                painting_ = false;
                throw;
            }
            painting_ = false;
        }
        return 0;
    }
    case WM_SETCURSOR:
        if (hourglass_) {
            SetCursor(LoadCursor(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND f = GetFocus();
            if (f && IsChild(hwnd_, f)) lastFocus_ = f;
            break;
        }
        // Unless the focus is on one of its controls already, the control that
        // last had it (or the first tab stop) gets it.
        if (!IsChild(hwnd_, GetFocus())) {
            HWND back = lastFocus_;
            if (!back || !IsWindow(back) || !IsChild(hwnd_, back) || !IsWindowVisible(back) ||
                !IsWindowEnabled(back))
                back = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
            if (back) SetFocus(back);
            return 0;
        }
        break;
    case 0x02E0: {  // WM_DPICHANGED
        dpi_ = HIWORD(wParam);
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        layout();
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    }
    case WM_DESTROY:
        if (quitOnDestroy) PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        for (Control* c : controls_) c->hwnd_ = nullptr;
        break;
    }
    return DefWindowProcA(self, msg, wParam, lParam);
}

}  // namespace platform
