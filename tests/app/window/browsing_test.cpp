// Choosing drives, folders and files, and what the window shows for them.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/support/splitter_window.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {
const char* const kFilePrompt = "Choose file to split: -->  ";
const char* const kFolderPrompt = "Choose output folder: --> ";
}  // namespace

TEST(Browsing, SubfolderAndDriveRootPrefixes) {
    TempDir dir;
    CreateDirectoryA((dir / "sub").c_str(), nullptr);
    writeFile(dir / "sub\\inside.txt", "12345");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();

    w.cleavDir.setPath(dir / "sub");
    EXPECT_EQ(w.fiInFile.fileName(), "inside.txt");
    EXPECT_EQ(w.state().inDirPath, dir / "sub");
    EXPECT_EQ(w.state().inPrefix, dir / "sub\\");
    EXPECT_EQ(w.state().inFileName, "inside.txt");
    EXPECT_EQ(w.lblINorOUT.caption(), kFilePrompt + (dir / "sub\\inside.txt"));
    EXPECT_EQ(w.lblStatus.caption(), "File Size is: 5");

    // A file in a drive root: one backslash between the drive and the name.
    const std::string probe = "C:\\cleavo-root-probe.txt";
    writeFile(probe, "root");
    w.cleavDir.setPath("C:\\");
    int at = -1;
    for (int i = 0; i < w.fiInFile.count(); ++i)
        if (w.fiInFile.item(i) == "cleavo-root-probe.txt") at = i;
    ASSERT_GE(at, 0);
    w.fiInFile.setListIndex(at);
    EXPECT_EQ(w.state().inPrefix, "C:\\");
    EXPECT_EQ(w.state().inDirPath, "C:\\");
    EXPECT_EQ(w.lblINorOUT.caption(), std::string(kFilePrompt) + "C:\\cleavo-root-probe.txt");
    DeleteFileA(probe.c_str());
}

TEST(Browsing, FolderWithoutFilesInEachPhase) {
    TempDir dir;
    writeFile(dir / "keep.txt", "abc");
    CreateDirectoryA((dir / "empty").c_str(), nullptr);
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    ASSERT_EQ(w.state().inFileName, "keep.txt");

    // File-choice phase: nothing to split there.
    w.cleavDir.setPath(dir / "empty");
    EXPECT_FALSE(w.cmdSPlit.enabled());
    EXPECT_EQ(w.lblStatus.caption(), "Cleavo Status.");
    EXPECT_EQ(w.lblINorOUT.caption(), kFilePrompt + (dir / "empty\\"));
    EXPECT_EQ(w.state().inFileName, "keep.txt");
    EXPECT_EQ(w.fiInFile.listIndex(), -1);

    // Output-choice phase: an empty folder is a fine place for pieces.
    w.cleavDir.setPath(dir.path());
    w.cmdSPlit.click();
    w.cleavDir.setPath(dir / "empty");
    EXPECT_TRUE(w.cmdSPlit.enabled());
    EXPECT_EQ(w.lblStatus.caption(), "Cleavo Status.");
    EXPECT_EQ(w.lblINorOUT.caption(), kFolderPrompt + (dir / "empty"));
    EXPECT_EQ(w.state().inFileName, "keep.txt");
    EXPECT_EQ(w.state().inDirPath, dir.path());
}

TEST(Browsing, SizeTextsAroundTwoGigabytes) {
    TempDir dir;
    makeSparseFile(dir / "a-2147483647.bin", 2147483647ull);
    makeSparseFile(dir / "b-2147483648.bin", 2147483648ull);
    makeSparseFile(dir / "c-5gib.bin", 5ull << 30);
    writeFile(dir / "d-empty.bin", "");
    writeFile(dir / "e-floppy.bin", patternBytes(1457664));
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();

    const char* const expected[] = {
        "File Size is: 2,147,483,647", "File Size is: Over 2 Gigs!", "File Size is: Over 2 Gigs!",
        "File Size is: 0",             "File Size is: 1,457,664",
    };
    ASSERT_EQ(w.fiInFile.count(), 5);
    for (int i = 0; i < 5; ++i) {
        w.fiInFile.setListIndex(i);
        EXPECT_EQ(w.lblStatus.caption(), expected[i]) << w.fiInFile.item(i);
    }
}

TEST(Browsing, PhaseSwitchAndClicksInTheOutputPhase) {
    TempDir dir;
    writeFile(dir / "one.txt", "1");
    writeFile(dir / "two.txt", "22");
    CreateDirectoryA((dir / "out").c_str(), nullptr);
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    w.fiInFile.setListIndex(1);
    ASSERT_EQ(w.state().inFileName, "two.txt");

    w.cmdSPlit.click();
    EXPECT_FALSE(w.fiInFile.visible());
    EXPECT_EQ(w.cmdSPlit.caption(), "&Split files now!");
    EXPECT_TRUE(w.cmdSPlit.enabled());
    EXPECT_TRUE(w.mnuCreate(1).enabled());
    EXPECT_EQ(w.lblINorOUT.caption(), kFolderPrompt + dir.path());
    EXPECT_EQ(w.state().settingsOut.inputDrive, w.CleavDrive.drive());
    EXPECT_EQ(w.state().settingsOut.inputFolder, dir.path());
    EXPECT_EQ(w.state().settingsOut.inputFile, "two.txt");

    // The file list is not in play now: a click on it changes nothing.
    const std::string status = w.lblStatus.caption();
    w.fiInFile.setListIndex(0);
    EXPECT_EQ(w.state().inFileName, "two.txt");
    EXPECT_EQ(w.lblINorOUT.caption(), kFolderPrompt + dir.path());
    EXPECT_EQ(w.lblStatus.caption(), status);

    w.cleavDir.setPath(dir / "out");
    EXPECT_EQ(w.lblINorOUT.caption(), kFolderPrompt + (dir / "out"));
    EXPECT_EQ(w.state().inDirPath, dir.path());
    EXPECT_TRUE(win.boxes.shown.empty());
}

TEST(Browsing, OnlyTheFirstFocusOfTheDriveListReReads) {
    TempDir dir;
    writeFile(dir / "a.txt", "a");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    ASSERT_TRUE(w.state().driveFocusDone);
    ASSERT_EQ(w.fiInFile.count(), 1);

    // A file appears; focusing the drive list again does not re-read (a
    // repaint would, so no messages run in between).
    writeFile(dir / "b.txt", "b");
    w.cmdExit.setFocus();
    w.CleavDrive.setFocus();
    EXPECT_EQ(w.fiInFile.count(), 1);

    // The first focus of a fresh window does: it finds both files and
    // selects the first again.
    SplitterWindow second(dir.path());
    EXPECT_TRUE(second->state().driveFocusDone);
    EXPECT_EQ(second->fiInFile.count(), 2);
    EXPECT_EQ(second->fiInFile.listIndex(), 0);
}

TEST(Painting, RepaintReReadsTheFileListAndRestsTheStatus) {
    TempDir dir;
    writeFile(dir / "a.txt", "a");
    writeFile(dir / "c.txt", "ccc");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    w.fiInFile.setListIndex(1);
    ASSERT_EQ(w.lblStatus.caption(), "File Size is: 3");

    // Another program adds a file: the next repaint lists it, keeps the
    // entry number and puts the status line back to rest.
    writeFile(dir / "b.txt", "bb");
    InvalidateRect(w.hwnd(), nullptr, TRUE);
    UpdateWindow(w.hwnd());
    EXPECT_EQ(w.fiInFile.count(), 3);
    EXPECT_EQ(w.fiInFile.listIndex(), 1);
    EXPECT_EQ(w.state().inFileName, "b.txt");
    EXPECT_EQ(w.lblStatus.caption(), "Cleavo Status.");

    // In the output-choice phase a repaint changes nothing.
    w.cmdSPlit.click();
    w.lblStatus.setCaption("busy");
    writeFile(dir / "d.txt", "dddd");
    InvalidateRect(w.hwnd(), nullptr, TRUE);
    UpdateWindow(w.hwnd());
    EXPECT_EQ(w.fiInFile.count(), 3);
    EXPECT_EQ(w.lblStatus.caption(), "busy");
    EXPECT_TRUE(win.boxes.shown.empty());
}
