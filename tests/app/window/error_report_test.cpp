// Failures in handlers end in the one report, then the reset.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/support/splitter_window.h"
#include "support/temp_dir.h"

using namespace testing_support;

TEST(ErrorReport, FileRemovedAfterTheListWasRead) {
    TempDir dir;
    writeFile(dir / "a.txt", "a");
    writeFile(dir / "b.txt", "b");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    w.cboEqualNumber.setText("7");

    DeleteFileA((dir / "b.txt").c_str());
    w.fiInFile.setListIndex(1);

    ASSERT_EQ(win.boxes.shown.size(), 1u);
    EXPECT_EQ(win.boxes.shown[0].text, expectedReport(53, "File not found", 75, "fiInFile_Click"));
    EXPECT_EQ(win.boxes.shown[0].title, "Cleavo File Splitter");
    EXPECT_EQ(win.boxes.shown[0].style & kIconMask, kCriticalIcon);
    // The steps before the failure stay done; then the reset chose the first file.
    EXPECT_EQ(w.cboEqualNumber.text(), "2");
    EXPECT_EQ(w.fiInFile.listIndex(), 0);
    EXPECT_EQ(w.state().inFileName, "a.txt");
    EXPECT_EQ(programEnds(), 0);
}

TEST(ErrorReport, RepaintWithTheSelectionPastTheEndOfTheList) {
    TempDir dir;
    writeFile(dir / "a.txt", "a");
    writeFile(dir / "b.txt", "b");
    writeFile(dir / "c.txt", "c");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    w.fiInFile.setListIndex(2);
    DeleteFileA((dir / "b.txt").c_str());
    DeleteFileA((dir / "c.txt").c_str());

    InvalidateRect(w.hwnd(), nullptr, TRUE);
    UpdateWindow(w.hwnd());

    ASSERT_GE(win.boxes.shown.size(), 1u);
    EXPECT_EQ(win.boxes.shown[0].text, expectedReport(380, "Invalid property value", 40, "Form_Paint"));
    EXPECT_EQ(win.boxes.shown.size(), 1u);
    EXPECT_EQ(w.fiInFile.listIndex(), 0);
    EXPECT_EQ(w.state().inFileName, "a.txt");
}

TEST(ErrorReport, AFileThatCannotBeMeasuredIsReportedOnce) {
    // The only file vanishes: the file click fails, and every reset and
    // repaint selects it again. The user hears of it once.
    TempDir dir;
    writeFile(dir / "gone.txt", "x");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    DeleteFileA((dir / "gone.txt").c_str());
    w.fiInFile.setListIndex(0);
    for (int i = 0; i < 3; ++i) {
        InvalidateRect(w.hwnd(), nullptr, TRUE);
        UpdateWindow(w.hwnd());
        win.settle();
    }
    EXPECT_EQ(win.boxes.texts(), std::vector<std::string>{expectedReport(53, "File not found", 75, "fiInFile_Click")});
}

TEST(ErrorReport, AListedFolderThatVanishesIsReportedOnceNotAtEveryRepaint) {
    TempDir dir;
    CreateDirectoryA((dir / "sub").c_str(), nullptr);
    const std::string sub = dir / "sub";
    writeFile(sub + "\\a.txt", "a");
    writeFile(dir / "keep.txt", "k");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    w.cleavDir.setPath(sub);
    ASSERT_EQ(w.fiInFile.count(), 1);
    ASSERT_TRUE(win.boxes.shown.empty());

    DeleteFileA((sub + "\\a.txt").c_str());
    ASSERT_TRUE(RemoveDirectoryA(sub.c_str()));
    for (int i = 0; i < 3; ++i) {
        InvalidateRect(w.hwnd(), nullptr, TRUE);
        UpdateWindow(w.hwnd());
        win.settle();
    }
    ASSERT_EQ(win.boxes.texts(), std::vector<std::string>{expectedReport(76, "Path not found", 37, "Form_Paint")});
    // The list no longer shows what the folder held, and the window is quiet.
    EXPECT_EQ(w.fiInFile.count(), 0);
    EXPECT_EQ(w.lblStatus.caption(), "Cleavo Status.");

    // Another folder is listed as usual.
    w.cleavDir.setPath(dir.path());
    EXPECT_EQ(w.fiInFile.count(), 1);
    EXPECT_EQ(w.state().inFileName, "keep.txt");
    EXPECT_EQ(win.boxes.shown.size(), 1u);
}
