// The list, option and check controls of the window, used as a user uses
// them (mouse messages to the real controls) and as the program does (setters).
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>

#include "app/support/splitter_window.h"
#include "platform/runtime_error.h"
#include "support/library_dialogs.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {
// A user's click (or double-click) on entry i of a list box.
void clickEntry(HWND list, int i, bool twice = false) {
    RECT r;
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    LPARAM at = MAKELPARAM(r.left + 4, (r.top + r.bottom) / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
    if (twice) {
        SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageA(list, WM_LBUTTONUP, 0, at);
    }
}

int find(const platform::FileList& list, const std::string& name) {
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i) == name) return i;
    return -1;
}
}  // namespace

TEST(Controls, DriveListTexts) {
    TempDir dir;
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    ASSERT_GT(w.CleavDrive.count(), 0);
    for (int i = 0; i < w.CleavDrive.count(); ++i) {
        std::string t = w.CleavDrive.item(i);
        SCOPED_TRACE(t);
        ASSERT_GE(t.size(), 2u);
        EXPECT_TRUE(islower(static_cast<unsigned char>(t[0])));
        EXPECT_EQ(t[1], ':');
        if (t.size() > 2) {
            EXPECT_EQ(t.substr(2, 2), " [");
            EXPECT_EQ(t.back(), ']');
        }
    }
    // The drive of the start folder is chosen.
    EXPECT_EQ(w.CleavDrive.drive()[0], static_cast<char>(tolower(static_cast<unsigned char>(dir.path()[0]))));

    // A drive that is not there cannot be chosen.
    char missing = 0;
    DWORD mask = GetLogicalDrives();
    for (int i = 'q' - 'a'; i < 26 && !missing; ++i)
        if (!(mask & (1u << i))) missing = static_cast<char>('a' + i);
    ASSERT_NE(missing, 0);
    try {
        w.CleavDrive.setDrive(std::string(1, missing) + ":");
        FAIL() << "chose a drive that does not exist";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), 68);
    }
}

TEST(Controls, FolderListAncestorsSubfoldersAndDoubleClick) {
    TempDir dir;
    CreateDirectoryA((dir / "alpha").c_str(), nullptr);
    CreateDirectoryA((dir / "Beta").c_str(), nullptr);
    writeFile(dir / "Beta\\inside.txt", "in beta");
    writeFile(dir / "top.txt", "top");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();

    int changes = 0;
    auto handler = w.cleavDir.onChange;
    w.cleavDir.onChange = [&] {
        ++changes;
        handler();
    };

    // Ancestors from the root down to the folder, then its subfolders.
    const int here = w.cleavDir.currentEntry();
    EXPECT_EQ(w.cleavDir.entryPath(0), dir.path().substr(0, 3));
    EXPECT_EQ(w.cleavDir.entryPath(here), dir.path());
    ASSERT_EQ(w.cleavDir.count(), here + 3);
    EXPECT_EQ(w.cleavDir.entryPath(here + 1), dir / "alpha");
    EXPECT_EQ(w.cleavDir.entryPath(here + 2), dir / "Beta");

    // A single click only marks an entry; a double-click enters it, once.
    clickEntry(w.cleavDir.hwnd(), here + 2);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(w.cleavDir.path(), dir.path());
    clickEntry(w.cleavDir.hwnd(), here + 2, true);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(w.cleavDir.path(), dir / "Beta");
    EXPECT_EQ(w.fiInFile.path(), dir / "Beta");
    EXPECT_EQ(w.state().inFileName, "inside.txt");

    // From code: the handler runs once per change, not for the same folder.
    w.cleavDir.setPath(dir.path());
    EXPECT_EQ(changes, 2);
    w.cleavDir.setPath(dir.path() + "\\");
    EXPECT_EQ(changes, 2);
    try {
        w.cleavDir.setPath(dir / "missing");
        FAIL() << "entered a folder that does not exist";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), 76);
    }
    EXPECT_EQ(w.cleavDir.path(), dir.path());
}

TEST(Controls, FileListOrdinaryFilesSortedAndClicks) {
    TempDir dir;
    writeFile(dir / "b.txt", "bb");
    writeFile(dir / "A.txt", "a");
    writeFile(dir / "hidden.txt", "h");
    writeFile(dir / "system.txt", "s");
    SetFileAttributesA((dir / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA((dir / "system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
    CreateDirectoryA((dir / "c-folder").c_str(), nullptr);
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();

    ASSERT_EQ(w.fiInFile.count(), 2);
    EXPECT_EQ(w.fiInFile.item(0), "A.txt");
    EXPECT_EQ(w.fiInFile.item(1), "b.txt");
    EXPECT_EQ(find(w.fiInFile, "hidden.txt"), -1);

    int clicks = 0;
    auto handler = w.fiInFile.onClick;
    w.fiInFile.onClick = [&] {
        ++clicks;
        handler();
    };
    clickEntry(w.fiInFile.hwnd(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(w.state().inFileName, "b.txt");
    EXPECT_EQ(w.lblStatus.caption(), "File Size is: 2");
    w.fiInFile.setListIndex(0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(w.state().inFileName, "A.txt");
    try {
        w.fiInFile.setListIndex(2);
        FAIL() << "selected past the end";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), 380);
    }
    EXPECT_EQ(clicks, 2);
}

TEST(Controls, OptionAndCheckClicksRunTheirHandlerOnce) {
    TempDir dir;
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    std::vector<int> typeClicks;
    auto typeHandler = w.optSplitType.onClick;
    w.optSplitType.onClick = [&](short i) {
        typeClicks.push_back(i);
        typeHandler(i);
    };
    int pauseClicks = 0;
    auto pauseHandler = w.chkPause.onClick;
    w.chkPause.onClick = [&] {
        ++pauseClicks;
        pauseHandler();
    };

    // A user's click on another type, then on the one already chosen: each
    // runs the handler once.
    SendMessageA(w.optSplitTypeButton[2].hwnd(), BM_CLICK, 0, 0);
    SendMessageA(w.optSplitTypeButton[2].hwnd(), BM_CLICK, 0, 0);
    ASSERT_EQ(typeClicks, (std::vector<int>{2, 2}));
    EXPECT_TRUE(w.optSplitTypeButton[2].value());
    EXPECT_FALSE(w.optSplitTypeButton[3].value());
    EXPECT_TRUE(w.cboEqualNumber.visible());

    // From code the handler runs too.
    w.optSplitTypeButton[0].setValue(true);
    EXPECT_EQ(typeClicks, (std::vector<int>{2, 2, 0}));
    EXPECT_EQ(w.optSplitType.selected(), 0);

    SendMessageA(w.chkPause.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(pauseClicks, 1);
    EXPECT_EQ(w.state().pauseFlag, 1);
    w.chkPause.setValue(1);  // no change, no click
    EXPECT_EQ(pauseClicks, 1);
    SendMessageA(w.chkPause.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(pauseClicks, 2);
    EXPECT_EQ(w.state().pauseFlag, 0);

    // chkPGP cannot be ticked.
    SendMessageA(w.chkPGP.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(w.chkPGP.value(), 0);
}

TEST(Controls, TabOrderFollowsTheTabIndices) {
    TempDir dir;
    writeFile(dir / "a.txt", "a");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    // Hidden, disabled and unchosen controls are passed over; of the split
    // types only the chosen one ("&Zip size", tab index 17) is a stop.
    const HWND expected[] = {w.CleavDrive.hwnd(),            w.cmdSPlit.hwnd(),       w.cmdExit.hwnd(),
                             w.cleavDir.hwnd(),              w.fiInFile.hwnd(),       w.optSplitTypeButton[3].hwnd(),
                             w.chkPause.hwnd(),              w.mnuAdvanced(1).hwnd(), w.mnuAdvanced(2).hwnd()};
    const size_t n = sizeof expected / sizeof expected[0];
    HWND at = expected[0];
    for (size_t i = 1; i <= n; ++i) {
        at = GetNextDlgTabItem(w.hwnd(), at, FALSE);
        EXPECT_EQ(at, expected[i % n]) << "stop " << i;
    }
    // With "Split for &Equal size" chosen (tab index 2) the size box follows
    // it, and the chosen unit ("KB") comes between the file list and the
    // Advanced Options.
    w.optSplitTypeButton[1].setValue(true);
    EXPECT_EQ(GetNextDlgTabItem(w.hwnd(), w.CleavDrive.hwnd(), FALSE), w.optSplitTypeButton[1].hwnd());
    EXPECT_EQ(GetNextDlgTabItem(w.hwnd(), w.optSplitTypeButton[1].hwnd(), FALSE), w.txtByteSize.hwnd());
    EXPECT_EQ(GetNextDlgTabItem(w.hwnd(), w.fiInFile.hwnd(), FALSE), w.optBytesButton[1].hwnd());
    EXPECT_EQ(GetNextDlgTabItem(w.hwnd(), w.optBytesButton[1].hwnd(), FALSE), w.chkPause.hwnd());
}

TEST(Controls, TheFocusComesBackToItsControlAfterAMessageBox) {
    TempDir dir;
    writeFile(dir / "a.txt", "a");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    SetForegroundWindow(w.hwnd());
    SetActiveWindow(w.hwnd());
    SetFocus(w.cmdExit.hwnd());
    ASSERT_EQ(GetActiveWindow(), w.hwnd());
    ASSERT_EQ(GetFocus(), w.cmdExit.hwnd());
    {
        RealDialogAnswerer answerer;
        MessageBoxA(w.hwnd(), "Any message", "Cleavo File Splitter", MB_OK);
        ASSERT_FALSE(answerer.seen().empty());
        EXPECT_EQ(answerer.seen().back().text, "Any message");
    }
    win.settle();
    EXPECT_EQ(GetFocus(), w.cmdExit.hwnd());
}
