// What the window shows on the screen: the frames keep their border and
// caption, the captions share one font that fits, a disabled caption reads.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
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
