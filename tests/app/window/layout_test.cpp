// The window as designed: every control's caption, place, tab order and
// tooltip, and the menu bar, typed in from the design and compared with what
// the real window shows.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>
#include <vector>

#include "app/support/splitter_window.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {
const char* const kNoCaption = nullptr;  // set at start-up, or never seen

struct Designed {
    const char* name;
    platform::Control* control;
    const char* caption;
    int left, top, width, height;  // twips, relative to the frame named next
    const char* inside;            // "Frame1", "Frame2", "mnuOptions" or nullptr
    int tabIndex;
    const char* tooltip;
    bool frame;
    bool dropDown;  // its height is that of its closed box
};

std::string textOf(HWND w) {
    char buf[512] = {};
    GetWindowTextA(w, buf, sizeof buf);
    return buf;
}

struct TooltipSearch {
    HWND form, found;
};

BOOL CALLBACK findTooltips(HWND w, LPARAM lp) {
    auto* search = reinterpret_cast<TooltipSearch*>(lp);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0 && GetWindow(w, GW_OWNER) == search->form) search->found = w;
    return search->found == nullptr;
}

// The window's tooltip control.
HWND tooltipsOf(HWND form) {
    TooltipSearch search = {form, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), findTooltips, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string tooltipText(HWND tips, HWND form, HWND control) {
    char buf[256] = {};
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = form;
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.lpszText = buf;
    SendMessageA(tips, TTM_GETTEXTA, sizeof buf, reinterpret_cast<LPARAM>(&ti));
    return buf;
}
}  // namespace

TEST(Layout, EveryControlAsDesigned) {
    TempDir dir;
    writeFile(dir / "a.txt", "a");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    // clang-format off
    const std::vector<Designed> design = {
        {"lblINorOUT", &w.lblINorOUT, kNoCaption, 240, 0, 9135, 375, nullptr, 10, "", false, false},
        {"CleavDrive", &w.CleavDrive, kNoCaption, 240, 360, 2535, 315, nullptr, 0, "", false, true},
        {"cleavDir", &w.cleavDir, kNoCaption, 240, 840, 4575, 1665, nullptr, 11, "", false, false},
        {"fiInFile", &w.fiInFile, kNoCaption, 240, 2640, 4575, 1650, nullptr, 12, "", false, false},
        {"cmdSPlit", &w.cmdSPlit, "&Split this file", 240, 4320, 4695, 375, nullptr, 6, "", false, false},
        {"Frame1", &w.Frame1, "Split-type", 4920, 480, 4455, 1935, nullptr, 8, "", true, false},
        {"lblStatus", &w.lblStatus, kNoCaption, 5040, 2640, 4335, 255, nullptr, 9, "", false, false},
        {"mnuOptions", &w.mnuOptions, "Advanced Options", 4920, 2880, 4455, 1335, nullptr, 22, "", true, false},
        {"cmdExit", &w.cmdExit, "E&xit", 4920, 4320, 4455, 375, nullptr, 7, "", false, false},
        {"optSplitType(0)", &w.optSplitTypeButton[0], "F&loppies size", 120, 240, 1215, 255, "Frame1", 1, "Maximum bytes = 1,457,663", false, false},
        {"optSplitType(3)", &w.optSplitTypeButton[3], "&Zip size", 120, 600, 1215, 255, "Frame1", 17, "Maximum bytes = 100,431,871", false, false},
        {"optSplitType(4)", &w.optSplitTypeButton[4], "Jaz Size (&1G)", 1560, 240, 1335, 255, "Frame1", 18, "Maximum bytes = 1,004,318,710", false, false},
        {"optSplitType(5)", &w.optSplitTypeButton[5], "CDR  &650MB", 1560, 600, 1335, 255, "Frame1", 19, "Maximum bytes = 636,538,060", false, false},
        {"optSplitType(6)", &w.optSplitTypeButton[6], "Jaz Size (&2G)", 3000, 240, 1335, 255, "Frame1", 20, "Maximum bytes = 2,008,637,420", false, false},
        {"optSplitType(7)", &w.optSplitTypeButton[7], "CDR &700MB", 3000, 600, 1335, 255, "Frame1", 21, "Maximum bytes = 687,341,568", false, false},
        {"optSplitType(1)", &w.optSplitTypeButton[1], "Split for &Equal size", 120, 1080, 1695, 255, "Frame1", 2, "", false, false},
        {"txtByteSize", &w.txtByteSize, "1000", 1920, 1080, 1575, 285, "Frame1", 4, "", false, false},
        {"Frame2", &w.Frame2, kNoCaption, 3480, 900, 825, 795, "Frame1", 13, "", true, false},
        {"optSplitType(2)", &w.optSplitTypeButton[2], "Split into &Y files", 120, 1560, 1695, 255, "Frame1", 3, "", false, false},
        {"cboEqualNumber", &w.cboEqualNumber, kNoCaption, 1920, 1560, 1575, 315, "Frame1", 5, "", false, true},
        {"optBytes(0)", &w.optBytesButton[0], "bytes", 0, 0, 735, 255, "Frame2", 16, "", false, false},
        {"optBytes(1)", &w.optBytesButton[1], "KB", 0, 240, 735, 255, "Frame2", 15, "", false, false},
        {"optBytes(2)", &w.optBytesButton[2], "MB", 0, 480, 735, 255, "Frame2", 14, "", false, false},
        {"mnuAdvanced(1)", &w.mnuAdvanced(1), "&Delete partial Cleavo files first", 120, 240, 2325, 255, "mnuOptions", 25, "", false, false},
        {"mnuAdvanced(2)", &w.mnuAdvanced(2), "&Resume prior Splitting", 2520, 240, 1845, 255, "mnuOptions", 26, "", false, false},
        {"chkPause", &w.chkPause, "Pa&use splits", 120, 600, 1935, 255, "mnuOptions", 24, "", false, false},
        {"chkPGP", &w.chkPGP, "Add P&GP protection", 120, 960, 1935, 255, "mnuOptions", 23, "", false, false},
    };
    // clang-format on
    const int dpi = static_cast<int>(w.dpi());
    auto px = [&](int twips) { return MulDiv(twips, dpi, 1440); };
    auto origin = [&](const char* frame, int& left, int& top) {
        for (const char* f = frame; f;) {
            auto it = std::find_if(design.begin(), design.end(), [&](const Designed& d) { return !strcmp(d.name, f); });
            left += it->left;
            top += it->top;
            f = it->inside;
        }
    };

    EXPECT_EQ(textOf(w.hwnd()), "Cleavo File Splitter");
    RECT client;
    GetClientRect(w.hwnd(), &client);
    EXPECT_GE(client.right, px(9420));
    EXPECT_GE(client.bottom, px(4800));

    HWND tips = tooltipsOf(w.hwnd());
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 6);
    for (const Designed& d : design) {
        SCOPED_TRACE(d.name);
        HWND h = d.control->hwnd();
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(GetParent(h), w.hwnd());
        if (d.caption) {
            EXPECT_EQ(textOf(h), d.caption);
        }
        int left = d.left, top = d.top;
        origin(d.inside, left, top);
        RECT r;
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, w.hwnd(), reinterpret_cast<POINT*>(&r), 2);
        // Where a caption needs more room in the face the system gives, its
        // control grows and what lies right of it or below it moves along.
        EXPECT_GE(r.left, px(left));
        EXPECT_GE(r.top, px(top));
        EXPECT_GE(r.right - r.left, px(d.width));
        if (!d.dropDown) {
            EXPECT_GE(r.bottom - r.top, px(d.height));
        }
        EXPECT_EQ(tooltipText(tips, w.hwnd(), h), d.tooltip);
    }

    // The keyboard walks the controls in the order of their tab indices (the
    // frames, which take no focus, lie beneath them all).
    std::vector<const Designed*> byTab;
    for (const Designed& d : design)
        if (!d.frame) byTab.push_back(&d);
    std::sort(byTab.begin(), byTab.end(), [](const Designed* a, const Designed* b) { return a->tabIndex < b->tabIndex; });
    std::vector<std::string> expected, shown;
    for (const Designed* d : byTab) expected.push_back(d->name);
    for (HWND c = GetWindow(w.hwnd(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        for (const Designed* d : byTab)
            if (d->control->hwnd() == c) shown.push_back(d->name);
    EXPECT_EQ(shown, expected);
}

TEST(Layout, TheMenuBarAsDesigned) {
    TempDir dir;
    SplitterWindow win(dir.path());
    const std::vector<std::pair<std::string, std::vector<std::string>>> design = {
        {"&File", {"&New folder", "&Open Explorer", "&Load Settings", "&Save Settings", "E&xit"}},
        {"&Help", {"&Contents", "&About"}},
    };
    HMENU bar = GetMenu(win->hwnd());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(design.size()));
    auto text = [](HMENU m, int i) {
        char buf[128] = {};
        GetMenuStringA(m, static_cast<UINT>(i), buf, sizeof buf, MF_BYPOSITION);
        return std::string(buf);
    };
    for (size_t i = 0; i < design.size(); ++i) {
        EXPECT_EQ(text(bar, static_cast<int>(i)), design[i].first);
        HMENU menu = GetSubMenu(bar, static_cast<int>(i));
        ASSERT_NE(menu, nullptr);
        std::vector<std::string> entries;
        for (int j = 0; j < GetMenuItemCount(menu); ++j) {
            entries.push_back(text(menu, j));
            UINT state = GetMenuState(menu, static_cast<UINT>(j), MF_BYPOSITION);
            EXPECT_EQ(state & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR), 0u) << entries.back();
        }
        EXPECT_EQ(entries, design[i].second);
    }
}

// A screen reader names a list, drop-down or text box by the Static right
// before it in the z-order; that label has no size, so the look stays.
TEST(Layout, EveryControlWithoutACaptionIsNamedByTheLabelBeforeIt) {
    TempDir dir;
    SplitterWindow win(dir.path());
    const std::map<HWND, std::string> named = {
        {win->CleavDrive.hwnd(), "Drive"},       {win->cleavDir.hwnd(), "Folder"},
        {win->fiInFile.hwnd(), "File to split"}, {win->txtByteSize.hwnd(), "Piece size"},
        {win->cboEqualNumber.hwnd(), "Number of pieces"}};
    for (HWND c = GetWindow(win->hwnd(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[32] = {}, labelCls[32] = {};
        GetClassNameA(c, cls, sizeof cls);
        if (!lstrcmpiA(cls, "Button") || !lstrcmpiA(cls, "Static")) continue;  // captioned, or no focus
        ASSERT_TRUE(named.count(c)) << "a " << cls << " without a name";
        HWND label = GetWindow(c, GW_HWNDPREV);
        GetClassNameA(label, labelCls, sizeof labelCls);
        RECT r = {0, 0, 1, 1};
        GetWindowRect(label, &r);
        EXPECT_EQ(std::string(labelCls) + ":" + textOf(label), "Static:" + named.at(c));
        EXPECT_TRUE(IsWindowVisible(label) && IsRectEmpty(&r)) << named.at(c);
    }
}
