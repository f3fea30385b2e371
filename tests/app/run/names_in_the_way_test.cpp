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
                                 " already holds the pieces of holiday.mp4. Replace them with the pieces of holiday.avi?" +
                                 kWholeSplitGoes;
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
    // holiday.mp4's split went whole, its checksum file with it: it would name the new pieces.
    EXPECT_EQ(filesIn(out.path()), (std::vector<std::string>{"holiday.S01", "holiday.S02", "holiday.avi.sha256",
                                                             "holiday.bat", "holiday.sh"}));
    EXPECT_EQ(readFile(out / "holiday.S01") + readFile(out / "holiday.S02"), avi);
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

namespace {
// The files of a folder with their bytes, to tell that nothing changed.
std::vector<std::string> filesWithBytes(const std::string& folder) {
    std::vector<std::string> all;
    for (const std::string& name : filesIn(folder)) all.push_back(name + "=" + readFile(folder + "\\" + name));
    return all;
}
}  // namespace

TEST(TheUsersOwn, FilesAtASplitsNamesAreReplacedOnlyWhenTheUserSaysSo) {
    // Each split goes into the input's own folder, where the user keeps files
    // of their own at names the split writes.
    struct Case {
        const char* input;
        std::vector<std::pair<std::string, std::string>> theirs;
    };
    const std::string hash(64, 'b');
    const Case cases[] = {
        {"backup.tar.gz", {{"backup.bat", "tar czf backup.tar.gz documents\r\n"}, {"backup.sh", "tar czf x docs\n"}}},
        {"x.iso", {{"x.iso.sha256", hash + "  x.iso\n"}}},  // a published checksum
        {"y.avi", {{"y.S02", "a file named like a piece, which no split names"}}},
        // Reached at WEDD~SGO.S01 by its short name.
        {"WEDD~SGO.avi", {{"Wedding video.S01backup", "our wedding"}}},
    };
    for (const Case& c : cases)
        for (int answer : {platform::kAnswerNo, platform::kAnswerYes}) {
            SCOPED_TRACE(std::string(c.input) + (answer == platform::kAnswerYes ? ", Yes" : ", No"));
            TempDir dir;
            const std::string input = patternBytes(3000, 81);
            writeFile(dir / c.input, input);
            for (const auto& f : c.theirs) writeFile(dir / f.first, f.second);
            char shortName[MAX_PATH] = {};
            GetShortPathNameA((dir / c.theirs[0].first).c_str(), shortName, MAX_PATH);
            if (c.input[4] == '~') {
                ASSERT_EQ(std::string(shortName).substr(std::string(shortName).rfind('\\')), "\\WEDD~SGO.S01");
            }
            const std::vector<std::string> before = filesWithBytes(dir.path());
            SplitterWindow win(dir.path());
            win.boxes.answers = {answer};
            win.chooseFile(dir.path(), c.input);
            chooseIntoYFiles(win.w(), "2");
            win.splitInto(dir.path());

            const std::vector<ShownBox>& boxes = win.boxes.shown;
            ASSERT_FALSE(boxes.empty());
            EXPECT_EQ(boxes[0].text.rfind("The folder " + dir.path() + " holds files that are not from a split of " +
                                              c.input + ":",
                                          0),
                      0u)
                << boxes[0].text;
            for (const auto& f : c.theirs) EXPECT_NE(boxes[0].text.find("\r\n    " + f.first), std::string::npos);
            EXPECT_EQ(boxes[0].style, 0x124u);  // Yes and No, question, No the default
            if (answer == platform::kAnswerNo) {
                EXPECT_EQ(boxes.size(), 1u);
                EXPECT_EQ(filesWithBytes(dir.path()), before);
                EXPECT_TRUE(win.w().cmdSPlit.enabled());
            } else {
                ASSERT_EQ(boxes.size(), 2u);
                EXPECT_EQ(boxes[1].text.rfind("Operation Successful!", 0), 0u) << boxes[1].text;
            }
        }
}

TEST(TheUsersOwn, AnotherFilesSplitLosesOnlyTheFilesAtTheNewSplitsNames) {
    // data.zip and data1.gz both cut into data.S01, ...; their batch files differ.
    TempDir in, out;
    const std::string zip = patternBytes(3000, 82), gz = patternBytes(2000, 83);
    writeFile(in / "data.zip", zip);
    writeFile(in / "data1.gz", gz);
    SplitterWindow win(in.path());
    win.chooseFile(in.path(), "data.zip");
    chooseIntoYFiles(win.w(), "3");
    win.splitInto(out.path());
    const std::string zipBatch = readFile(out / "data.bat");
    win.boxes.answers = {platform::kAnswerYes};
    win.chooseFile(in.path(), "data1.gz");
    chooseIntoYFiles(win.w(), "2");
    win.splitInto(out.path());
    ASSERT_EQ(win.boxes.texts().size(), 3u);
    EXPECT_EQ(win.boxes.texts()[1], "The folder " + out.path() +
                                        " already holds the pieces of data.zip. Replace them with the pieces of "
                                        "data1.gz?" + kWholeSplitGoes);
    // data.zip's split goes whole: its data.bat would rebuild a wrong data.zip from the new pieces.
    EXPECT_EQ(filesIn(out.path()),
              (std::vector<std::string>{"data.S01", "data.S02", "data1.bat", "data1.gz.sha256", "data1.sh"}));
    EXPECT_EQ(readFile(out / "data.S01") + readFile(out / "data.S02"), gz);
}

TEST(TheUsersOwn, AFileThatWouldBeRebuiltOverItsOwnBatchFileIsRefused) {
    TempDir in, out;
    writeFile(in / "setup.bat", "@echo installing\r\n");
    SplitterWindow win(in.path());
    win.chooseFile(in.path(), "setup.bat");
    win.splitInto(out.path());
    ASSERT_EQ(win.boxes.texts().size(), 1u);
    EXPECT_EQ(win.boxes.texts()[0].rfind("The batch file of setup.bat would have the same name as the file it "
                                         "rebuilds, and would be overwritten while it runs.",
                                         0),
              0u)
        << win.boxes.texts()[0];
    EXPECT_TRUE(filesIn(out.path()).empty());
    EXPECT_TRUE(choosingAFile(win.w()));

    // The rename it suggests is one that splits.
    const std::string text = win.boxes.texts()[0];
    const size_t from = text.find("for example to ") + 15;
    ASSERT_NE(from, std::string::npos + 15) << text;
    const std::string renamed = text.substr(from, text.find(')', from) - from);
    ASSERT_TRUE(MoveFileA((in / "setup.bat").c_str(), (in / renamed).c_str())) << renamed;
    win.chooseFile(in.path(), renamed);
    chooseIntoYFiles(win.w(), "2");
    win.splitInto(out.path());
    EXPECT_EQ(win.boxes.texts().back().rfind("Operation Successful!", 0), 0u) << win.boxes.texts().back();
}

TEST(TheUsersOwn, AfterAPauseTheNewDiskIsCheckedAsTheFirstWas) {
    // What the disk in the drive holds once the user has changed it at the
    // first pause: no output folder, or another file's split at the names.
    const struct {
        const char* disk;
        int answer;
        const char* question;
        bool rebuilt;
    } cases[] = {
        {"no folder", platform::kAnswerYes, " is not on this disk. Create it and go on?", true},
        {"another split", platform::kAnswerNo, " already holds the pieces of film.mp4.", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.disk);
        TempDir in, base, moved;
        const std::string out = base / "out";
        ASSERT_TRUE(CreateDirectoryA(out.c_str(), nullptr));
        const std::string input = patternBytes(3000, 84);
        writeFile(in / "film.avi", input);
        SplitterWindow win(in.path());
        frmSplitter& w = win.w();
        win.chooseFile(in.path(), "film.avi");
        chooseIntoYFiles(w, "3");
        w.chkPause.setValue(1);
        win.boxes.answers = {platform::kAnswerOk, c.answer};
        bool changed = false;
        win.boxes.whileShown = [&](const ShownBox&) {
            if (changed) return;
            changed = true;  // the first disk taken out, the second put in
            ASSERT_TRUE(MoveFileA((out + "\\film.S01").c_str(), (moved / "film.S01").c_str()));
            if (std::string(c.disk) == "no folder") {
                ASSERT_TRUE(RemoveDirectoryA(out.c_str()));
            } else {
                writeFile(out + "\\film.S02", "theirs");
                writeFile(out + "\\film.bat", "copy \"film.S01\" /b  + \"film.S02\" /b \"film.mp4\"\r\n");
            }
        };
        win.splitInto(out);
        ASSERT_GE(win.boxes.texts().size(), 2u);
        EXPECT_NE(win.boxes.texts()[1].find(c.question), std::string::npos) << win.boxes.texts()[1];
        EXPECT_EQ(fileExists(out + "\\film.S03"), c.rebuilt);
        if (c.rebuilt) {
            EXPECT_EQ(win.boxes.texts().back().rfind("Operation Successful!", 0), 0u);
            EXPECT_EQ(readFile(moved / "film.S01") + readFile(out + "\\film.S02") + readFile(out + "\\film.S03"),
                      input);
        } else {
            EXPECT_EQ(readFile(out + "\\film.S02"), "theirs");
            EXPECT_EQ(readFile(out + "\\film.bat"), "copy \"film.S01\" /b  + \"film.S02\" /b \"film.mp4\"\r\n");
            EXPECT_TRUE(w.cmdSPlit.enabled());
        }
    }
}
