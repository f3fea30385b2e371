// What the window shows on the screen: the frames keep their border and
// caption, the captions share one font that fits, a disabled caption reads.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "app/support/splitter_window.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {
// The pixels of a control's area as the window shows them, row by row.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool operator==(const Picture& o) const { return width == o.width && height == o.height && pixels == o.pixels; }
};

Picture pictureOf(HWND control) {
    HWND form = GetParent(control);
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
    Picture p;
    p.width = r.right - r.left;
    p.height = r.bottom - r.top;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = p.width;
    bi.bmiHeader.biHeight = -p.height;  // top row first
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(form);
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, p.width, p.height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const uint32_t* px = static_cast<const uint32_t*>(bits);
    p.pixels.assign(px, px + static_cast<size_t>(p.width) * p.height);
    for (uint32_t& c : p.pixels) c &= 0xFFFFFF;
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bmp);
    ReleaseDC(form, screen);
    return p;
}

const uint32_t kGrey = 0xC0C0C0;

// Pixels of one column that are not the form's grey.
int marksInColumn(const Picture& p, int x) {
    int n = 0;
    for (int y = 0; y < p.height; ++y) n += p.at(x, y) != kGrey;
    return n;
}
}  // namespace

TEST(Look, TheSplitTypeFrameKeepsItsBorderAndCaption) {
    TempDir dir;
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    UpdateWindow(w.hwnd());
    win.settle();
    const Picture before = pictureOf(w.Frame1.hwnd());
    // The etched border runs down the left and right edges.
    ASSERT_GT(marksInColumn(before, 0) + marksInColumn(before, 1), before.height / 2);
    ASSERT_GT(marksInColumn(before, before.width - 1) + marksInColumn(before, before.width - 2), before.height / 2);

    // Showing and hiding the extra inputs inside the frame, then coming back
    // to "Zip size", leaves the frame as it was.
    w.optSplitTypeButton[1].setValue(true);
    win.settle();
    w.optSplitTypeButton[2].setValue(true);
    win.settle();
    w.optSplitTypeButton[3].setValue(true);
    win.settle();
    EXPECT_TRUE(pictureOf(w.Frame1.hwnd()) == before) << "the frame lost part of its border or caption";

    // So does a message box that opens over the window and closes again.
    w.optSplitTypeButton[2].setValue(true);
    win.settle();
    MessageBoxA(w.hwnd(), "Over the frame", "Cleavo File Splitter", MB_OK);  // answered at once
    w.optSplitTypeButton[3].setValue(true);
    win.settle();
    EXPECT_TRUE(pictureOf(w.Frame1.hwnd()) == before) << "the frame lost part of its border or caption";
}

namespace {
LOGFONTA fontOf(HWND control) {
    LOGFONTA lf = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf;
}

// Pixels of a picture, right of column `from`, darker than the light grey
// of a faint caption: the strokes of a readable text.
int darkPixels(const Picture& p, int from) {
    int n = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = from; x < p.width; ++x) {
            uint32_t c = p.at(x, y);
            n += ((c >> 16) & 0xFF) < 0x98 && ((c >> 8) & 0xFF) < 0x98 && (c & 0xFF) < 0x98;
        }
    return n;
}
}  // namespace

TEST(Look, EveryCaptionInTheWindowsOneFontAndItFits) {
    TempDir dir;
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    std::vector<platform::Control*> boxes = {&w.mnuAdvanced(1), &w.mnuAdvanced(2), &w.chkPause, &w.chkPGP};
    for (auto& b : w.optSplitTypeButton) boxes.push_back(&b);
    for (auto& b : w.optBytesButton) boxes.push_back(&b);
    std::vector<platform::Control*> others = {&w.CleavDrive, &w.cleavDir, &w.fiInFile,   &w.cmdSPlit, &w.Frame1,
                                              &w.lblStatus,  &w.mnuOptions, &w.cmdExit, &w.txtByteSize,
                                              &w.cboEqualNumber};
    w.optSplitTypeButton[1].setValue(true);  // the size box and unit buttons show
    for (UINT dpi : {96u, 144u}) {
        SCOPED_TRACE(dpi);
        RECT at = {0, 0, 0, 0};  // the top left corner: at 144 DPI the window fills most of the screen
        SendMessageA(w.hwnd(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&at));
        UpdateWindow(w.hwnd());
        win.settle();
        const LOGFONTA one = fontOf(w.chkPause.hwnd());
        EXPECT_GE(-one.lfHeight, MulDiv(6, static_cast<int>(dpi), 72));  // not shrunk past legibility
        for (platform::Control* c : boxes) {
            SCOPED_TRACE(c->caption());
            LOGFONTA lf = fontOf(c->hwnd());
            EXPECT_EQ(std::string(lf.lfFaceName), one.lfFaceName);
            EXPECT_EQ(lf.lfHeight, one.lfHeight);
            // As drawn: a caption cut by the control's edge leaves strokes in its last columns.
            Picture p = pictureOf(c->hwnd());
            EXPECT_GT(darkPixels(p, 0), 20);
            EXPECT_EQ(marksInColumn(p, p.width - 1) + marksInColumn(p, p.width - 2), 0) << "the caption is cut";
        }
        for (platform::Control* c : others) EXPECT_EQ(fontOf(c->hwnd()).lfHeight, one.lfHeight) << c->caption();
    }
}

TEST(Look, ADisabledCaptionCanBeRead) {
    TempDir dir;
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    UpdateWindow(w.hwnd());
    win.settle();
    ASSERT_FALSE(w.chkPGP.enabled());
    // Right of the box, "Add PGP protection" shows in strokes darker than a
    // faint grey on the grey form.
    const int textFrom = MulDiv(16, static_cast<int>(w.dpi()), 96);
    EXPECT_GT(darkPixels(pictureOf(w.chkPGP.hwnd()), textFrom), 40);
    EXPECT_GT(darkPixels(pictureOf(w.chkPause.hwnd()), textFrom), 40);  // as the enabled ones do
}

namespace {
// The user's text size ("Make text bigger") for the length of a scope, told
// to the window as Windows tells it; what was set before comes back after.
class TextSize {
public:
    TextSize(HWND window, DWORD percent) : window_(window) {
        DWORD size = sizeof old_;
        had_ = RegGetValueA(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_DWORD, nullptr, &old_, &size) == ERROR_SUCCESS;
        set(&percent);
    }
    ~TextSize() { set(had_ ? &old_ : nullptr); }

private:
    void set(const DWORD* percent) {
        if (percent)
            RegSetKeyValueA(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, percent, sizeof *percent);
        else
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, kValue);
        SendMessageA(window_, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("WindowMetrics"));
    }
    static constexpr const char* kKey = "Software\\Microsoft\\Accessibility";
    static constexpr const char* kValue = "TextScaleFactor";
    HWND window_;
    DWORD old_ = 0;
    bool had_ = false;
};

// The screen at another size for the length of a scope, as a user or a
// laptop's panel sets it; the size before comes back after.
class ScreenSize {
public:
    ScreenSize(int width, int height) {
        DEVMODEA mode = {};
        mode.dmSize = sizeof mode;
        mode.dmPelsWidth = static_cast<DWORD>(width);
        mode.dmPelsHeight = static_cast<DWORD>(height);
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        ChangeDisplaySettingsExA(nullptr, &mode, nullptr, CDS_FULLSCREEN, nullptr);
    }
    ~ScreenSize() { ChangeDisplaySettingsExA(nullptr, nullptr, nullptr, 0, nullptr); }
};

RECT placeOf(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The size of a control's caption in its own font, as a button draws it, and
// the family the system really draws that font with.
SIZE captionSize(HWND control, std::string* family = nullptr) {
    char text[256] = {};
    GetWindowTextA(control, text, sizeof text);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT r = {0, 0, 0, 0};
    DrawTextA(dc, text, -1, &r, DT_SINGLELINE | DT_CALCRECT);
    std::vector<char> metrics(GetOutlineTextMetricsA(dc, 0, nullptr) + 1);
    auto* otm = reinterpret_cast<OUTLINETEXTMETRICA*>(metrics.data());
    if (family && GetOutlineTextMetricsA(dc, static_cast<UINT>(metrics.size()), otm))
        *family = metrics.data() + reinterpret_cast<size_t>(otm->otmpFamilyName);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return SIZE{r.right, r.bottom};
}
}  // namespace

// In the prefix's own face (Tahoma), in a wider one and in larger text, at two
// DPIs, on a laptop's screen: the window lies on the screen's work area, every
// caption has room as drawn, no control covers another, each lies inside its
// frame and the window, the prompt's text and the lists' lines follow the text
// size as far as the screen leaves room.
TEST(Look, EveryCaptionWholeInAnyFaceAndTextSize) {
    TempDir dir;
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    struct Case {
        const char* face;
        const char* family;  // what the system draws it with
        UINT dpi;
        DWORD percent;
        int screenWidth, screenHeight;
    };
    // Each face and DPI at 100% before its larger text sizes.
    const char* const shellDlg = "MS Shell Dlg";
    const Case cases[] = {
        {shellDlg, "Tahoma", 96, 100, 1280, 720},           {shellDlg, "Tahoma", 96, 150, 1366, 768},
        {shellDlg, "Tahoma", 96, 225, 1366, 768},           {shellDlg, "Tahoma", 144, 100, 1280, 720},
        {shellDlg, "Tahoma", 144, 150, 1366, 768},          {shellDlg, "Tahoma", 144, 225, 1366, 768},
        {"DejaVu Sans", "DejaVu Sans", 96, 100, 1280, 720},  {"DejaVu Sans", "DejaVu Sans", 96, 225, 1366, 768},
        {"DejaVu Sans", "DejaVu Sans", 144, 100, 1280, 720}, {"DejaVu Sans", "DejaVu Sans", 144, 225, 1366, 768}};
    enum Kind { kPlain, kBox, kButton, kFrame };
    struct Shown {
        platform::Control* c;
        platform::Control* frame;
        Kind kind;
    };
    std::vector<Shown> shown = {{&w.lblINorOUT, nullptr, kPlain},         {&w.CleavDrive, nullptr, kPlain},
                                {&w.cleavDir, nullptr, kPlain},           {&w.fiInFile, nullptr, kPlain},
                                {&w.mnuAdvanced(1), &w.mnuOptions, kBox}, {&w.mnuAdvanced(2), &w.mnuOptions, kBox},
                                {&w.chkPause, &w.mnuOptions, kBox},       {&w.chkPGP, &w.mnuOptions, kBox},
                                {&w.cmdSPlit, nullptr, kButton},          {&w.cmdExit, nullptr, kButton},
                                {&w.Frame1, nullptr, kFrame},             {&w.mnuOptions, nullptr, kFrame},
                                {&w.lblStatus, nullptr, kPlain},          {&w.txtByteSize, &w.Frame1, kPlain},
                                {&w.Frame2, &w.Frame1, kPlain},           {&w.cboEqualNumber, &w.Frame1, kPlain}};
    for (auto& b : w.optSplitTypeButton) shown.push_back({&b, &w.Frame1, kBox});
    for (auto& b : w.optBytesButton) shown.push_back({&b, &w.Frame2, kBox});
    // Lines a list shows, in whole and part.
    auto lines = [](platform::Control& list) {
        RECT r;
        GetClientRect(list.hwnd(), &r);
        return static_cast<double>(r.bottom) / static_cast<double>(SendMessageA(list.hwnd(), LB_GETITEMHEIGHT, 0, 0));
    };
    const int fontAt100 = -fontOf(w.chkPause.hwnd()).lfHeight;
    const int promptAt100 = captionSize(w.lblINorOUT.hwnd()).cy;
    std::map<std::pair<std::string, UINT>, std::pair<double, double>> linesAt100;  // by face and DPI
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.face) + " at " + std::to_string(k.dpi) + " DPI, text " + std::to_string(k.percent) +
                     "%, screen " + std::to_string(k.screenWidth) + "x" + std::to_string(k.screenHeight));
        w.setFont(platform::FontSpec{k.face, 8});
        TextSize size(w.hwnd(), k.percent);
        ScreenSize screen(k.screenWidth, k.screenHeight);
        RECT at = {0, 0, 0, 0};
        SendMessageA(w.hwnd(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(k.dpi, k.dpi), reinterpret_cast<LPARAM>(&at));
        win.settle();
        std::string family;
        captionSize(w.chkPause.hwnd(), &family);
        ASSERT_EQ(family, k.family) << "the face is not installed";
        const double scale = k.percent * k.dpi / 9600.0;  // the 100% size's rounding grows with it
        EXPECT_NEAR(-fontOf(w.chkPause.hwnd()).lfHeight, fontAt100 * scale, scale) << "the text is not the user's size";
        EXPECT_GE(captionSize(w.lblINorOUT.hwnd()).cy, 0.9 * promptAt100 * scale)
            << "the prompt's text does not follow the text size";

        MONITORINFO monitor = {sizeof monitor, {}, {}, 0};
        GetMonitorInfoA(MonitorFromWindow(w.hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
        ASSERT_EQ(monitor.rcMonitor.right - monitor.rcMonitor.left, k.screenWidth) << "the screen kept its size";
        RECT window;
        GetWindowRect(w.hwnd(), &window);
        const RECT& work = monitor.rcWork;
        EXPECT_TRUE(window.left >= work.left && window.top >= work.top && window.right <= work.right &&
                    window.bottom <= work.bottom)
            << "the window is not all on the screen";
        // The lists show the lines they show at 100%, unless the window already takes the screen's height.
        const auto key = std::make_pair(std::string(k.face), k.dpi);
        if (k.percent == 100) linesAt100[key] = {lines(w.cleavDir), lines(w.fiInFile)};
        const bool fullHeight = window.bottom - window.top >= work.bottom - work.top - 8;
        EXPECT_TRUE(fullHeight || lines(w.cleavDir) >= 0.95 * linesAt100[key].first) << "the folder list lost lines";
        EXPECT_TRUE(fullHeight || lines(w.fiInFile) >= 0.95 * linesAt100[key].second) << "the file list lost lines";

        const int glyph = MulDiv(13, static_cast<int>(k.dpi), 96);
        RECT client;
        GetClientRect(w.hwnd(), &client);
        for (const Shown& b : shown) {
            SCOPED_TRACE(b.c->caption());
            const RECT r = placeOf(b.c->hwnd()), inside = b.frame ? placeOf(b.frame->hwnd()) : client;
            EXPECT_TRUE(r.left >= inside.left && r.top >= inside.top && r.right <= inside.right &&
                        r.bottom <= inside.bottom)
                << "out of its frame or the window";
            const SIZE text = captionSize(b.c->hwnd());
            const int room = r.right - r.left - (b.kind == kBox ? glyph + 4 : 8);
            EXPECT_TRUE(b.kind == kPlain || text.cx <= room) << "the caption is cut";
            EXPECT_TRUE(b.kind != kBox || text.cy <= r.bottom - r.top) << "the caption is cut";
            // No control lies over another, but wholly inside its frame.
            for (const Shown& o : shown) {
                RECT both, other = placeOf(o.c->hwnd());
                const bool over =
                    IntersectRect(&both, &r, &other) && !EqualRect(&both, &r) && !EqualRect(&both, &other);
                EXPECT_FALSE(over) << "over " << o.c->caption();
            }
        }
        // The inputs of the last two options stand right of them.
        EXPECT_LE(placeOf(w.optSplitTypeButton[1].hwnd()).right, placeOf(w.txtByteSize.hwnd()).left);
        EXPECT_LE(placeOf(w.optSplitTypeButton[2].hwnd()).right, placeOf(w.cboEqualNumber.hwnd()).left);
    }
}
