// Runs that cannot finish: nothing is reported as a success, what was
// written stays, and the input is never touched.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/run/split_files.h"
#include "app/support/splitter_window.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

std::string report(int number, const std::string& description, int line) {
    return expectedReport(number, description, line, "cmdSPlit_Click");
}

}  // namespace

TEST(RunFailure, InputLockedAfterItWasChosenChangesNothingAndGoesBackToTheFileChoice) {
    TempDir in, out, outAgain;
    const std::string input = patternBytes(5000, 51);
    writeFile(in / "locked.dat", input);
    // An earlier split of it, which a new run would replace.
    const std::string hash(64, 'a');
    writeFile(out / "locked.S01", "old");
    writeFile(out / "locked.dat.sha256", hash + "  locked.S01\n" + hash + "  locked.dat\n");
    writeFile(out / "locked.bat", "copy \"locked.S01\" /b \"locked.dat\"\r\n");
    const std::vector<std::string> earlier = filesIn(out.path());
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    win.chooseFile(in.path(), "locked.dat");
    chooseIntoYFiles(w, "2");
    w.cmdSPlit.click();
    w.cleavDir.setPath(out.path());

    // Another program now holds the input open without sharing: its size can
    // still be asked for, but nobody can open it.
    HANDLE lock = CreateFileA((in / "locked.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    w.cmdSPlit.click();
    win.settle();
    CloseHandle(lock);

    // One message, before anything was touched: the earlier split is whole,
    // and the window is back at choosing a file.
    ASSERT_EQ(win.boxes.texts(), std::vector<std::string>{
                                     "Cleavo cannot open " + (in / "locked.dat") +
                                     ": another program may be writing to it, or it cannot be read.\r\n"
                                     "Nothing was written or deleted. Close the other program, or choose another file."});
    EXPECT_TRUE(win.libraryBoxes.seen().empty());
    EXPECT_EQ(filesIn(out.path()), earlier);
    EXPECT_TRUE(choosingAFile(w));
    EXPECT_EQ(readFile(in / "locked.dat"), input);

    // Locked while the user is asked about another file's split: nothing of
    // that split goes, as the run cannot start.
    writeFile(outAgain / "locked.bat", "copy \"locked.S01\" /b  + \"locked.S02\" /b \"locked.zip\"\r\n");
    writeFile(outAgain / "locked.S01", "1");
    const std::vector<std::string> theirs = filesIn(outAgain.path());
    win.chooseFile(in.path(), "locked.dat");
    win.boxes.shown.clear();
    win.boxes.answers = {platform::kAnswerYes};
    win.boxes.whileShown = [&](const ShownBox& box) {
        if (box.text.find("locked.zip") != std::string::npos)
            lock = CreateFileA((in / "locked.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    };
    win.splitInto(outAgain.path());
    CloseHandle(lock);
    win.boxes.whileShown = nullptr;
    ASSERT_EQ(win.boxes.texts().size(), 2u);
    EXPECT_EQ(win.boxes.texts()[1].rfind("Cleavo cannot open " + (in / "locked.dat"), 0), 0u);
    EXPECT_EQ(filesIn(outAgain.path()), theirs);
    EXPECT_EQ(readFile(outAgain / "locked.S01"), "1");

    // Once the other program lets go, the same file splits at the next click.
    EXPECT_EQ(w.lblStatus.caption(), "Split stopped: nothing was written.");
    win.boxes.answers = {platform::kAnswerYes};
    w.cmdSPlit.click();
    win.settle();
    EXPECT_EQ(win.boxes.texts().back(), "Operation Successful!\r\nUse: " + outAgain.path() + "\\locked.bat to combine!");
    EXPECT_EQ(readFile(outAgain / "locked.S01") + readFile(outAgain / "locked.S02"), input);
}

TEST(RunFailure, BatchOrKitFileThatCannotBeCreatedEndsInTheErrorTailAndKeepsOnlyThePieces) {
    // A folder of the file's name, made once the last piece is written (one
    // there before the click, or after a pause, is refused): no file of that
    // name can be created. (A read-only file would not do here: the tests run
    // as root, and Wine lets root write it.) Creating the batch file is line
    // 660 of the click, the kit 733.
    // A folder at a piece's name made before that piece is begun fails the
    // piece in the library: it says why, and the button stays disabled.
    const struct {
        const char* blocker;
        long line;  // 0: the piece fails
        const char* at;
    } cases[] = {{"data.bat", 660, "File 2 Done! Reading..."}, {"data.sh", 733, "File 2 Done! Reading..."},
                 {"data.S02", 0, "File 1 Done! Reading..."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.blocker);
        TempDir in, out;
        const std::string input = patternBytes(4000, 52);
        writeFile(in / "data.bin", input);
        // Left by an earlier split of this file: it would check other pieces.
        const std::string hash(64, 'a');
        writeFile(out / "data.bin.sha256", hash + "  data.S01\n" + hash + "  data.S02\n" + hash + "  data.bin\n");
        SplitterWindow win(in.path());
        frmSplitter& w = win.w();
        win.chooseFile(in.path(), "data.bin");
        chooseIntoYFiles(w, "2");
        TextRecorder status(w.lblStatus.hwnd());
        status.onText = [&](const std::string& text) {
            if (text == c.at) CreateDirectoryA((out / c.blocker).c_str(), nullptr);
        };
        win.splitInto(out.path());
        RemoveDirectoryA((out / c.blocker).c_str());
        EXPECT_EQ(readFile(in / "data.bin"), input);
        if (!c.line) {
            ASSERT_EQ(win.libraryBoxes.seen().size(), 1u);
            EXPECT_EQ(win.libraryBoxes.seen()[0].caption, "Cannot Create:");
            EXPECT_TRUE(win.boxes.shown.empty());
            EXPECT_EQ(filesIn(out.path()), std::vector<std::string>{"data.S01"});
            EXPECT_FALSE(w.cmdSPlit.enabled());  // until a folder is chosen again
            EXPECT_EQ(w.lblStatus.caption(), "Split stopped: no batch file was written.");
            continue;
        }
        ASSERT_EQ(win.boxes.texts(),
                  (std::vector<std::string>{report(70, "Permission denied", c.line), "Click to restart program."}));
        EXPECT_EQ(win.boxes.shown[0].style & kIconMask, kCriticalIcon);
        EXPECT_EQ(win.boxes.shown[1].style & kIconMask, kExclamationIcon);
        EXPECT_EQ(filesIn(out.path()), (std::vector<std::string>{"data.S01", "data.S02"}));
        EXPECT_EQ(readFile(out / "data.S01") + readFile(out / "data.S02"), input);
        EXPECT_EQ(w.cmdSPlit.caption(), "&Split this file");  // restarted
    }
}

TEST(RunErrorTail, InputNameShorterThanFourCharacters) {
    TempDir in, out, outNext;
    writeFile(in / "abc", patternBytes(100, 53));
    const std::string next = patternBytes(3000, 54);
    writeFile(in / "next.dat", next);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    win.chooseFile(in.path(), "abc");
    chooseIntoYFiles(w, "12");

    // What the piece-count list showed while each box was open: the reset
    // runs only after both.
    std::vector<std::string> countWhileOpen;
    win.boxes.whileShown = [&](const ShownBox&) { countWhileOpen.push_back(w.cboEqualNumber.text()); };
    win.splitInto(out.path());

    ASSERT_EQ(win.boxes.texts(),
              (std::vector<std::string>{report(5, "Invalid procedure call or argument", 130),
                                        "Click to restart program."}));
    EXPECT_EQ(win.boxes.shown[0].style & kIconMask, kCriticalIcon);
    EXPECT_EQ(win.boxes.shown[0].title, "Cleavo File Splitter");
    EXPECT_EQ(win.boxes.shown[1].style & kIconMask, kExclamationIcon);
    EXPECT_EQ(win.boxes.shown[1].title, "Cleavo File Splitter");
    EXPECT_EQ(countWhileOpen, (std::vector<std::string>{"12", "12"}));
    EXPECT_EQ(w.cboEqualNumber.text(), "2");
    EXPECT_EQ(w.cboEqualNumber.count(), 98);
    EXPECT_TRUE(filesIn(out.path()).empty());
    EXPECT_TRUE(win.libraryBoxes.seen().empty());
    EXPECT_EQ(programEnds(), 0);

    // Every retry would fail the same way: the window is back at choosing a
    // file, and another file splits in the same run.
    EXPECT_TRUE(choosingAFile(w));
    win.boxes.whileShown = nullptr;
    win.chooseFile(in.path(), "next.dat");
    chooseIntoYFiles(w, "2");
    win.splitInto(outNext.path());
    EXPECT_EQ(win.boxes.texts().back(), "Operation Successful!\r\nUse: " + outNext.path() + "\\next.bat to combine!");
    EXPECT_EQ(readFile(outNext / "next.S01") + readFile(outNext / "next.S02"), next);
    EXPECT_EQ(readFile(in / "abc"), patternBytes(100, 53));
}
