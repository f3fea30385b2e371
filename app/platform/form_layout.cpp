// The form's layout at its DPI and text size: the window's size, each
// control's place in pixels, the one font of the window, and the brushes of
// its colours.
//
// Every control stands where it was designed, in twips, as long as its
// caption fits there. A caption that does not fit (a wider face, a larger
// text size) makes its control grow; whatever stands right of it or below it
// in the same frame moves along, and the frame, and then the window, grow to
// hold what moved.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/layout.h"

namespace platform {

HFONT Form::fontFor(const FontSpec& wanted) {
    std::string key = wanted.face + "/" + std::to_string(wanted.points) + "/" + std::to_string(dpi_) + "/" +
                      std::to_string(textScale_);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second;
    LOGFONTA lf = {};
    lf.lfHeight = -static_cast<LONG>(wanted.points * textScale_ / 100.0 * dpi_ / 72.0 + 0.5);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, wanted.face.c_str(), LF_FACESIZE);
    HFONT f = CreateFontIndirectA(&lf);
    fonts_[key] = f;
    return f;
}

// The one font of every control without a font of its own, for the window's
// DPI and the user's text size: "MS Shell Dlg" at 8 points, as dialogs use.
HFONT Form::windowFont() { return fontFor(font_); }

void Form::setFont(const FontSpec& font) {
    font_ = font;
    if (!hwnd_) return;
    layout();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HFONT Form::fontOf(const Control& c) { return c.font_.face.empty() ? windowFont() : fontFor(c.font_); }

// A control's caption in its font, measured as the control draws it: "&"
// marks the access key, "&&" is one "&". An empty caption is a line high.
SIZE Form::captionExtent(const Control& c, INT* digit) {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, fontOf(c));
    RECT text = {0, 0, 0, 0};
    DrawTextA(dc, c.initialText_.empty() ? "Ag" : c.initialText_.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
    if (digit) GetCharWidth32A(dc, '0', '0', digit);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    return SIZE{c.initialText_.empty() ? 0 : text.right, text.bottom};
}

// How much wider and taller than designed a control must be for its caption
// in its font: nothing where it fits.
Form::Growth Form::captionGrowth(const Control& c, const Box& designed) {
    INT digit = 0;
    const SIZE text = captionExtent(c, &digit);
    const int textWidth = text.cx, textHeight = text.cy;
    const int px = MulDiv(1, static_cast<int>(dpi_), 96);  // a pixel at 96 DPI
    int width = 0, height = textHeight;
    if (isButtonKind(c, BS_CHECKBOX) || isButtonKind(c, BS_RADIOBUTTON)) {
        // The box, the caption half a digit after it, and the focus
        // rectangle's pixel and a pixel of space beyond the text.
        width = checkGlyphPixels(dpi_) + digit / 2 + textWidth + 2;
        height = std::max(textHeight, checkGlyphPixels(dpi_)) + 2;
    } else if (isButtonKind(c, BS_PUSHBUTTON)) {
        width = textWidth + 12 * px;  // edges, focus rectangle and margins
        height = textHeight + 6 * px;
    } else if (isButtonKind(c, BS_GROUPBOX)) {
        width = textWidth + 20 * px;  // the caption sits between two runs of the border
        height = 0;                   // its caption's height moves the frame's contents instead
    } else if (c.className_ == std::string("EDIT") || c.className_ == std::string("COMBOBOX")) {
        height = textHeight + 6;  // the edges and a pixel's margin above and below
    }
    return Growth{std::max(0, width - (designed.right - designed.left)),
                  std::max(0, height - (designed.bottom - designed.top))};
}

namespace {

// A column of controls of one designed width grows as one, and so does a
// row of one designed height, so that they stay lined up.
template <class Item>
void growAsOne(std::vector<Item>& items) {
    for (Item& a : items)
        for (const Item& b : items) {
            if (a.at.left == b.at.left && a.at.right == b.at.right) a.grow.width = std::max(a.grow.width, b.grow.width);
            if (a.at.top == b.at.top && a.at.bottom == b.at.bottom)
                a.grow.height = std::max(a.grow.height, b.grow.height);
        }
}

// Whatever stands right of a control on its rows moves by the control's
// growth and its own move; so does whatever stands below it in its columns
// (below inset, a bordered frame's caption).
template <class Item>
void moveByWhatGrows(std::vector<Item>& items, int inset) {
    std::vector<Item*> byLeft, byTop;
    for (Item& i : items) byLeft.push_back(&i), byTop.push_back(&i);
    std::stable_sort(byLeft.begin(), byLeft.end(), [](Item* a, Item* b) { return a->at.left < b->at.left; });
    std::stable_sort(byTop.begin(), byTop.end(), [](Item* a, Item* b) { return a->at.top < b->at.top; });
    for (Item* c : byLeft)
        for (Item* s : byLeft)
            if (s->at.left < c->at.left && s->at.top < c->at.bottom && c->at.top < s->at.bottom)
                c->dx = std::max(c->dx, s->dx + s->grow.width);
    for (Item* c : byTop) {
        c->dy = inset;
        for (Item* s : byTop)
            if (s->at.top < c->at.top && s->at.left < c->at.right && c->at.left < s->at.right)
                c->dy = std::max(c->dy, s->dy + s->grow.height);
    }
}

}  // namespace

// Places the controls of one frame (or of the window, for none), relative to
// it, in pixels; returns how much the frame must grow to hold them.
Form::Growth Form::arrange(const Control* frame, std::map<const Control*, RECT>& placed) {
    struct Item {
        Control* c;
        Box at;  // designed, relative to the frame
        Growth grow;
        int dx, dy;
    };
    std::vector<Item> items;
    for (Control* c : controls_) {
        if (c->frame_ != frame) continue;
        Box at = {toPixels(c->place_.left), toPixels(c->place_.top), toPixels(c->place_.left + c->place_.width),
                  toPixels(c->place_.top + c->place_.height)};
        Growth own = captionGrowth(*c, at);
        Growth held = arrange(c, placed);  // what a frame needs for its own controls
        items.push_back({c, at, Growth{std::max(own.width, held.width), std::max(own.height, held.height)}, 0, 0});
    }
    if (items.empty()) return Growth{};
    growAsOne(items);
    // A bordered frame's caption above its first row.
    int inset = 0;
    if (frame && isButtonKind(*frame, BS_GROUPBOX)) {
        int top = items.front().at.top;
        for (const Item& i : items) top = std::min(top, i.at.top);
        inset = std::max(0, static_cast<int>(captionExtent(*frame, nullptr).cy) + 2 - top);
    }
    moveByWhatGrows(items, inset);
    // The frame keeps its margins right of and below what it holds.
    const int width = toPixels(frame ? frame->place_.width : style_.clientWidth);
    const int height = toPixels(frame ? frame->place_.height : style_.clientHeight);
    int designedRight = 0, designedBottom = 0, right = 0, bottom = 0;
    for (const Item& i : items) {
        designedRight = std::max(designedRight, i.at.right);
        designedBottom = std::max(designedBottom, i.at.bottom);
        right = std::max(right, i.at.right + i.dx + i.grow.width);
        bottom = std::max(bottom, i.at.bottom + i.dy + i.grow.height);
    }
    Growth need{std::max(0, right + std::max(0, width - designedRight) - width),
                std::max(0, bottom + std::max(0, height - designedBottom) - height)};
    for (Item& i : items) {
        // A label that reaches the frame's right margin stretches with it.
        if (i.c->className_ == std::string("STATIC") && i.at.right == designedRight && !i.c->frame_ &&
            dynamic_cast<Frame*>(i.c) == nullptr)
            i.grow.width = std::max(i.grow.width, need.width - i.dx);
        placed[i.c] = RECT{i.at.left + i.dx, i.at.top + i.dy, i.at.right + i.dx + i.grow.width,
                           i.at.bottom + i.dy + i.grow.height};
    }
    return need;
}

HBRUSH Form::brushFor(COLORREF colour) {
    auto it = brushes_.find(colour);
    if (it != brushes_.end()) return it->second;
    HBRUSH b = CreateSolidBrush(colour);
    brushes_[colour] = b;
    return b;
}

void Form::layout() {
    std::map<const Control*, RECT> placed;
    const Growth grown = arrange(nullptr, placed);
    const int clientWidth = toPixels(style_.clientWidth) + grown.width;
    const int clientHeight = toPixels(style_.clientHeight) + grown.height;
    RECT want = {0, 0, clientWidth, clientHeight};
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE));
    AdjustWindowRectEx(&want, style, GetMenu(hwnd_) != nullptr, 0);
    laidOut_ = SIZE{want.right - want.left, want.bottom - want.top};
    SetWindowPos(hwnd_, nullptr, 0, 0, laidOut_.cx, laidOut_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps takes client height: grow until the client fits.
    RECT client;
    GetClientRect(hwnd_, &client);
    if (client.bottom < clientHeight) {
        laidOut_.cy += clientHeight - client.bottom;
        SetWindowPos(hwnd_, nullptr, 0, 0, laidOut_.cx, laidOut_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (Control* c : controls_) {
        RECT r = placed[c];
        for (const Control* f = c->frame_; f; f = f->frame_) OffsetRect(&r, placed[f].left, placed[f].top);
        int height = r.bottom - r.top;
        // A drop-down's height is its edit part; give the list room to open.
        const bool dropDown = c->className_ == std::string("COMBOBOX");
        SetWindowPos(c->hwnd_, nullptr, r.left, r.top, r.right - r.left, dropDown ? height * 8 : height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(c->hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(*c)), TRUE);
        // Where the control is, for a reader that shows it, yet of no size.
        if (c->nameLabel_)
            SetWindowPos(c->nameLabel_, nullptr, r.left, r.top, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
        if (dropDown) SendMessageA(c->hwnd_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - 6);
    }
}

}  // namespace platform
