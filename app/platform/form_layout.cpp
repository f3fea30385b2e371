// The form's layout at its DPI and text size: the window's size, each
// control's place in pixels, the one font of the window, and the brushes of
// its colours.
//
// Every control stands where it was designed, in twips, as long as its
// caption fits there. A caption that does not fit (a wider face, a larger
// text size) makes its control grow; whatever stands right of it or below it
// in the same frame moves along, and the frame, and then the window, grow to
// hold what moved. The lists keep the lines the design shows at any text size.
//
// The window always fits its monitor's work area: where the grown design
// would not, the lists give up the lines they gained first, then the
// design's spacing gives way; a caption's room never does.
#include <algorithm>
#include <functional>
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
    auto known = extents_.find(&c);
    if (known != extents_.end()) {
        if (digit) *digit = known->second.second;
        return known->second.first;
    }
    INT digitWidth = 0;
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, fontOf(c));
    RECT text = {0, 0, 0, 0};
    DrawTextA(dc, c.initialText_.empty() ? "Ag" : c.initialText_.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
    GetCharWidth32A(dc, '0', '0', &digitWidth);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    const SIZE size{c.initialText_.empty() ? 0 : text.right, text.bottom};
    extents_[&c] = {size, digitWidth};
    if (digit) *digit = digitWidth;
    return size;
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
    } else if (c.className_ == std::string("LISTBOX")) {
        // A list keeps its lines: its height follows the text size, as far
        // as the screen leaves room.
        const int lines = MulDiv(toPixels(c.place_.height), textScale_, 100);
        height = std::min(lines, designed.bottom - designed.top + fit_.listRoom);
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

// How far a control reaches into the next one where the design lets them
// share an edge (less than half of either): the next one moves clear of it.
inline int sharedEdge(int end, int start, int length, int nextLength) {
    const int over = end - start;
    return over > 0 && 2 * over < length && 2 * over < nextLength ? over : 0;
}

// Whether two spans overlap by more than a shared edge: controls side by side
// whose rows share only an edge are not on one row.
inline bool overlapping(int start, int end, int otherStart, int otherEnd) {
    const int over = std::min(end, otherEnd) - std::max(start, otherStart);
    return over > 0 && (2 * over >= end - start || 2 * over >= otherEnd - otherStart);
}

// Whatever stands right of a control on its rows moves by the control's
// growth and its own move, and clear of it; so does whatever stands below it
// in its columns (below inset, a bordered frame's caption). A column or row
// of controls of one designed size moves as one, so that they stay lined up.
template <class Item>
void moveByWhatGrows(std::vector<Item>& items, int inset) {
    std::vector<Item*> byLeft, byTop;
    for (Item& i : items) byLeft.push_back(&i), byTop.push_back(&i);
    std::stable_sort(byLeft.begin(), byLeft.end(), [](Item* a, Item* b) { return a->at.left < b->at.left; });
    std::stable_sort(byTop.begin(), byTop.end(), [](Item* a, Item* b) { return a->at.top < b->at.top; });
    for (Item* c : byLeft) {
        c->dx = 0;
        for (Item* s : byLeft)
            if (s->at.left < c->at.left && overlapping(s->at.top, s->at.bottom, c->at.top, c->at.bottom))
                c->dx = std::max(c->dx, s->dx + s->grow.width +
                                            sharedEdge(s->at.right, c->at.left, s->at.right - s->at.left,
                                                       c->at.right - c->at.left));
        for (Item* s : byLeft)  // its column moves as one
            if (s != c && s->at.left == c->at.left && s->at.right == c->at.right)
                s->dx = c->dx = std::max(s->dx, c->dx);
    }
    for (Item* c : byTop) {
        c->dy = inset;
        for (Item* s : byTop)
            if (s->at.top < c->at.top && overlapping(s->at.left, s->at.right, c->at.left, c->at.right))
                c->dy = std::max(c->dy, s->dy + s->grow.height +
                                            sharedEdge(s->at.bottom, c->at.top, s->at.bottom - s->at.top,
                                                       c->at.bottom - c->at.top));
        for (Item* s : byTop)  // its row moves as one
            if (s != c && s->at.top == c->at.top && s->at.bottom == c->at.bottom)
                s->dy = c->dy = std::max(s->dy, c->dy);
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
        Box at = {placeAcross(c->place_.left), placeDown(c->place_.top),
                  placeAcross(c->place_.left + c->place_.width), placeDown(c->place_.top + c->place_.height)};
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
    const int width = placeAcross(frame ? frame->place_.width : style_.clientWidth);
    const int height = placeDown(frame ? frame->place_.height : style_.clientHeight);
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

namespace {
// The largest value from least to most that fits, where every smaller one
// fits too; least when none does.
int largestFitting(int least, int most, const std::function<bool(int)>& fits) {
    if (fits(most)) return most;
    while (least < most) {
        const int middle = (least + most + 1) / 2;
        if (fits(middle))
            least = middle;
        else
            most = middle - 1;
    }
    return least;
}

// The design's spacing gives way down to this share of itself, in percent.
const int kLeastSpacing = 40;
}  // namespace

// The window's outer size for the controls as arranged under fit_.
SIZE Form::windowSizeFor(std::map<const Control*, RECT>& placed, SIZE* client) {
    placed.clear();
    const Growth grown = arrange(nullptr, placed);
    RECT want = {0, 0, placeAcross(style_.clientWidth) + grown.width, placeDown(style_.clientHeight) + grown.height};
    if (client) *client = SIZE{want.right, want.bottom};
    AdjustWindowRectEx(&want, static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)), GetMenu(hwnd_) != nullptr, 0);
    return SIZE{want.right - want.left, want.bottom - want.top};
}

void Form::layout() {
    extents_.clear();
    const RECT work = workAreaOf(hwnd_);
    const int roomAcross = work.right - work.left, roomDown = work.bottom - work.top;
    std::map<const Control*, RECT> placed;
    auto fits = [&](int Fit::*what, int value, bool across) {
        fit_.*what = value;
        const SIZE size = windowSizeFor(placed);
        return (across ? size.cx <= roomAcross : size.cy <= roomDown);
    };
    fit_ = Fit{};
    fit_.listRoom = roomDown;
    fit_.across = largestFitting(kLeastSpacing, 100, [&](int v) { return fits(&Fit::across, v, true); });
    fit_.listRoom = largestFitting(0, roomDown, [&](int v) { return fits(&Fit::listRoom, v, false); });
    if (!fits(&Fit::listRoom, fit_.listRoom, false)) {
        fit_.down = largestFitting(kLeastSpacing, 100, [&](int v) { return fits(&Fit::down, v, false); });
        // Room the spacing left beside the lists is theirs again.
        fit_.listRoom = largestFitting(0, roomDown, [&](int v) { return fits(&Fit::listRoom, v, false); });
    }
    SIZE clientSize;
    laidOut_ = windowSizeFor(placed, &clientSize);
    const int clientHeight = clientSize.cy;
    SetWindowPos(hwnd_, nullptr, 0, 0, laidOut_.cx, laidOut_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps takes client height: grow until the client fits.
    RECT client;
    GetClientRect(hwnd_, &client);
    if (client.bottom < clientHeight) {
        laidOut_.cy += clientHeight - client.bottom;
        SetWindowPos(hwnd_, nullptr, 0, 0, laidOut_.cx, laidOut_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    keepOnWorkArea(hwnd_);
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
