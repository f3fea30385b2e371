// What stands in the way of a split's names: device names, a folder, another
// file's split. Each is refused, or asked about, before the first byte.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/run/split_files.h"
#include "app/support/splitter_window.h"
#include "split/piece_check.h"
#include "support/temp_dir.h"

using namespace testing_support;

TEST(NamesInTheWay, DeviceNamesAreRefusedAndTheWindowGoesBackToTheFileChoice) {
    TempDir in, out;
    writeFile(in / "nul_abc", patternBytes(3000, 71));
    // Made by its long-path name: the plain one is the CON device.
    HANDLE con = CreateFileA(("\\\\?\\" + (in / "con.txt")).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(con, INVALID_HANDLE_VALUE);
    DWORD wrote = 0;
    WriteFile(con, "console", 7, &wrote, nullptr);
    CloseHandle(con);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    const std::string why[] = {
        "The file nul_abc cannot be split: Windows reserves the name NUL for a device, and this split would write "
        "nul.S01, which Windows would send to that device instead of the disk.\r\nPlease rename nul_abc and split it "
        "again.",
        "The file con.txt cannot be split: Windows reserves the name CON for a device, so the file cannot be read "
        "under its name.\r\nPlease rename con.txt and split it again."};
    for (const std::string& text : why) {
        const std::string name = text.substr(9, text.find(" cannot") - 9);
        size_t before = win.boxes.shown.size();
        win.chooseFile(in.path(), name);
        chooseIntoYFiles(w, "3");
        win.splitInto(out.path());
        auto boxes = boxesSince(win, before);
        ASSERT_EQ(boxes.size(), 1u) << name;
        EXPECT_EQ(boxes[0].text, text);
        EXPECT_EQ(boxes[0].style & kIconMask, kExclamationIcon);
        EXPECT_TRUE(choosingAFile(w)) << name;
    }
    EXPECT_TRUE(filesIn(out.path()).empty());
    EXPECT_TRUE(win.libraryBoxes.seen().empty());
}

TEST(NamesInTheWay, AFolderNamedLikeTheBatchFileIsRefusedAndAnotherFolderSplits) {
    TempDir in, out, other;
    const std::string input = patternBytes(4000, 52);
    writeFile(in / "x.mov", input);
    ASSERT_TRUE(CreateDirectoryA((out / "x.bat").c_str(), nullptr));
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    win.chooseFile(in.path(), "x.mov");
    chooseIntoYFiles(w, "2");
    win.splitInto(out.path());
    ASSERT_EQ(win.boxes.texts(), std::vector<std::string>{"The folder " + (out / "x.bat") +
                                                          " is in the way: this split must write a file of that name "
                                                          "there.\r\nChoose another output folder, or move or rename "
                                                          "what is in the way."});
    EXPECT_TRUE(filesIn(out.path()).empty());
    EXPECT_EQ(w.cmdSPlit.caption(), "&Split files now!");
    EXPECT_TRUE(w.cmdSPlit.enabled());

    w.cleavDir.setPath(other.path());
    w.cmdSPlit.click();
    win.settle();
    EXPECT_EQ(win.boxes.texts().back(), "Operation Successful!\r\nUse: " + other.path() + "\\x.bat to combine!");
    EXPECT_EQ(readFile(other / "x.S01") + readFile(other / "x.S02"), input);
}

TEST(NamesInTheWay, AnotherFilesSplitIsReplacedOnlyWhenTheUserSaysSo) {
    TempDir in, out;
    const std::string mp4 = patternBytes(3000, 72), avi = patternBytes(2000, 73);
    writeFile(in / "holiday.mp4", mp4);
    writeFile(in / "holiday.avi", avi);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    win.chooseFile(in.path(), "holiday.mp4");
    chooseIntoYFiles(w, "3");
    win.splitInto(out.path());
    const std::string mp4Batch = readFile(out / "holiday.bat");
    ASSERT_EQ(win.boxes.shown.size(), 1u);

    // No, the default, ends the click: nothing deleted or written, even with
    // "Delete partial Cleavo files first".
    w.mnuAdvanced(1).setValue(1);
    win.boxes.answers = {platform::kAnswerNo, platform::kAnswerYes};
    win.chooseFile(in.path(), "holiday.avi");
    chooseIntoYFiles(w, "2");
    win.splitInto(out.path());
    const std::string question = "The folder " + out.path() +
                                 " already holds the pieces of holiday.mp4. Replace them with the pieces of holiday.avi?";
    ASSERT_EQ(win.boxes.texts().back(), question);
    EXPECT_EQ(win.boxes.shown.back().style, 0x124u);  // Yes and No, question, No the default
    EXPECT_EQ(readFile(out / "holiday.bat"), mp4Batch);
    EXPECT_EQ(readFile(out / "holiday.S01") + readFile(out / "holiday.S02") + readFile(out / "holiday.S03"), mp4);
    EXPECT_TRUE(w.cmdSPlit.enabled());

    // Yes replaces them; the same file split again asks nothing.
    w.cmdSPlit.click();
    win.settle();
    win.chooseFile(in.path(), "holiday.avi");
    win.splitInto(out.path());
    const std::string success = "Operation Successful!\r\nUse: " + out.path() + "\\holiday.bat to combine!";
    EXPECT_EQ(win.boxes.texts(), (std::vector<std::string>{win.boxes.texts()[0], question, question, success, success}));
    EXPECT_EQ(filesIn(out.path()), (std::vector<std::string>{"holiday.S01", "holiday.S02", "holiday.avi.sha256",
                                                             "holiday.bat", "holiday.sh"}));
    EXPECT_EQ(readFile(out / "holiday.S01") + readFile(out / "holiday.S02"), avi);
}

TEST(NamesInTheWay, AChecksumFileTellsWhoseSplitTheSharedPiecesAre) {
    // abcd and wxyz both have the pieces .S01, .S02, ...; only abcd's checksum file is there.
    TempDir in, out;
    writeFile(in / "wxyz", patternBytes(2000, 74));
    const std::string hash(64, 'a');
    writeFile(out / "abcd.sha256", hash + "  .S01\n" + hash + "  .S02\n" + hash + "  abcd\n");
    SplitterWindow win(in.path());
    win.boxes.answers = {platform::kAnswerNo};
    win.chooseFile(in.path(), "wxyz");
    chooseIntoYFiles(win.w(), "2");
    win.splitInto(out.path());
    EXPECT_EQ(win.boxes.texts(), std::vector<std::string>{"The folder " + out.path() +
                                                          " already holds the pieces of abcd. Replace them with the "
                                                          "pieces of wxyz?"});
    EXPECT_EQ(filesIn(out.path()), std::vector<std::string>{"abcd.sha256"});
}

TEST(PieceGuard, OnlyADiskFileOfExactlyItsLengthCountsAsWritten) {
    TempDir out;
    writeFile(out / "a.S01", "12345");
    EXPECT_EQ(split::PieceWatch(out / "a.S01").notWhole(5), "");
    EXPECT_EQ(split::PieceWatch(out / "a.S01").notWhole(6),
              "The piece " + (out / "a.S01") + " came out 5 bytes long instead of 6, so it was deleted.\r\n"
              "The split has stopped: no batch file was written.");
    EXPECT_FALSE(fileExists(out / "a.S01"));
    EXPECT_EQ(split::PieceWatch(out / "nul.S01").notWhole(5),
              "The piece " + (out / "nul.S01") + " did not reach the disk: Windows sent it somewhere else (a device)."
              "\r\nThe split has stopped: no batch file was written.");
}
