// The window as a user first sees it.
#include <gtest/gtest.h>

#include "app/support/splitter_window.h"
#include "support/temp_dir.h"

using namespace testing_support;

TEST(StartUp, FirstStartInAFolderWithFiles) {
    TempDir dir;
    writeFile(dir / "b.txt", "second");
    writeFile(dir / "a.bin", patternBytes(1457664));
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();

    ASSERT_EQ(w.cboEqualNumber.count(), 98);
    EXPECT_EQ(w.cboEqualNumber.item(0), "2");
    EXPECT_EQ(w.cboEqualNumber.item(97), "99");
    EXPECT_EQ(w.cboEqualNumber.text(), "2");
    EXPECT_EQ(w.fiInFile.listIndex(), 0);
    EXPECT_EQ(w.fiInFile.fileName(), "a.bin");
    EXPECT_EQ(w.lblINorOUT.caption(), "Choose file to split: -->  " + dir.path() + "\\a.bin");
    EXPECT_EQ(w.state().inPrefix, dir.path() + "\\");
    EXPECT_EQ(w.state().inDirPath, dir.path());
    EXPECT_EQ(w.state().inFileName, "a.bin");
    EXPECT_EQ(w.state().settingsOut.splitType, "3");
    EXPECT_EQ(w.state().settingsOut.sizeOrCount, "1");
    EXPECT_EQ(w.state().settingsOut.unit, "0");
    EXPECT_EQ(w.state().unitIndex, 1);
    EXPECT_EQ(w.state().maxFiles, 99);
    EXPECT_EQ(w.state().pauseFlag, 0);

    // As designed: Zip size and KB chosen, extra inputs hidden, PGP unavailable.
    EXPECT_EQ(w.optSplitType.selected(), 3);
    EXPECT_EQ(w.optBytes.selected(), 1);
    EXPECT_FALSE(w.txtByteSize.visible());
    EXPECT_FALSE(w.cboEqualNumber.visible());
    for (auto& b : w.optBytesButton) EXPECT_FALSE(b.visible());
    EXPECT_FALSE(w.chkPGP.enabled());
    EXPECT_EQ(w.cmdSPlit.caption(), "&Split this file");
    EXPECT_TRUE(w.cmdSPlit.enabled());
    EXPECT_TRUE(w.fiInFile.visible());
    EXPECT_EQ(w.txtByteSize.text(), "1000");
    EXPECT_TRUE(w.state().driveFocusDone);
    // The first paint follows the first focus and rests the status line.
    EXPECT_EQ(w.lblStatus.caption(), "Cleavo Status.");
    EXPECT_TRUE(win.boxes.shown.empty());
    EXPECT_EQ(programEnds(), 0);
}

TEST(StartUp, FirstStartInAFolderWithoutFiles) {
    TempDir dir;
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    EXPECT_EQ(w.fiInFile.count(), 0);
    EXPECT_EQ(w.fiInFile.listIndex(), -1);
    EXPECT_EQ(w.lblINorOUT.caption(), "Choose file to split: -->  ");
    EXPECT_EQ(w.lblStatus.caption(), "Cleavo Status.");
    EXPECT_EQ(w.cboEqualNumber.text(), "2");
    EXPECT_TRUE(win.boxes.shown.empty());
}

TEST(StartUp, ResetRefillsThePieceCountList) {
    TempDir dir;
    writeFile(dir / "a.txt", "a");
    writeFile(dir / "b.txt", "b");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    w.cboEqualNumber.setText("42");
    w.fiInFile.setListIndex(1);
    w.Form_Load();
    EXPECT_EQ(w.cboEqualNumber.count(), 98);
    EXPECT_EQ(w.cboEqualNumber.text(), "2");
    EXPECT_EQ(w.fiInFile.listIndex(), 0);
    EXPECT_EQ(w.state().inFileName, "a.txt");
}
