// The form's layout at its DPI: the window's size, each control's place in
// pixels, the one font of the window, and the brushes of its colours.
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/layout.h"

namespace platform {

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

    std::vector<const Control*> boxes;
    for (const Control* c : controls_) {
        DWORD kind = c->style_ & BS_TYPEMASK;
        bool boxed = c->className_ == std::string("BUTTON") && (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX ||
                                                               kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON);
        if (boxed && c->font_.face.empty()) boxes.push_back(c);
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
        for (const Control* c : boxes) fits = fits && captionFits(dc, c->initialText_, toPixels(c->place_.width));
        SelectObject(dc, old);
        if (fits || lf.lfHeight >= smallest) break;
        DeleteObject(font);
        ++lf.lfHeight;  // a pixel smaller
    }
    ReleaseDC(hwnd_, dc);
    fonts_[key] = font;
    return font;
}

// Whether a check box or option button of this width shows its whole caption
// in the font selected into dc. The control draws its box, then the caption
// half a digit's width after it, in a rectangle that ends at its right edge;
// the focus rectangle around the caption takes a pixel beyond the text and
// one more of space, which must not be cut either.
bool Form::captionFits(HDC dc, const std::string& caption, int width) const {
    INT digit = 0;
    GetCharWidth32A(dc, '0', '0', &digit);
    const int room = width - checkGlyphPixels(dpi_) - digit / 2 - 2;
    // Measured as the control draws it: "&" marks the access key, "&&" is one "&".
    RECT text = {0, 0, 0, 0};
    DrawTextA(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
    return text.right <= room;
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

}  // namespace platform
