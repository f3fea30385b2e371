// What the user sees while the pieces are written: the status line after
// each piece and the pause between pieces.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/run/split_files.h"
#include "app/support/splitter_window.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

std::string pauseText(int n, int of) {
    return "Click OK to continue Cleaving!\r\n Cleav " + std::to_string(n) + " of " + std::to_string(of);
}

// The window as it was while a box was open.
struct WhileOpen {
    std::string text;
    std::string status;
    std::string lastPainted;
    std::vector<std::string> files;
    bool splitEnabled;
    std::string splitCaption;
};

void watchBoxes(SplitterWindow& win, TextRecorder& status, const std::string& out, std::vector<WhileOpen>& seen) {
    win.boxes.whileShown = [&win, &status, out, &seen](const ShownBox& box) {
        frmSplitter& w = win.w();
        seen.push_back({box.text, w.lblStatus.caption(), status.painted.empty() ? "" : status.painted.back(),
                        filesIn(out), w.cmdSPlit.enabled(), w.cmdSPlit.caption()});
    };
}

}  // namespace

TEST(Run, StatusLineInOrderAndOnePauseBetweenTwoPieces) {
    TempDir in, out, outAgain;
    const std::string input = patternBytes(10001, 41);
    writeFile(in / "log.txt", input);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    win.chooseFile(in.path(), "log.txt");
    chooseIntoYFiles(w, "2");
    w.chkPause.setValue(1);
    ASSERT_EQ(w.state().pauseFlag, 1);

    TextRecorder status(w.lblStatus.hwnd());
    std::vector<WhileOpen> seen;
    watchBoxes(win, status, out.path(), seen);
    win.splitInto(out.path());

    // One pause, after piece 1, naming piece 1 of 2; then the success message.
    ASSERT_EQ(win.boxes.texts(),
              (std::vector<std::string>{pauseText(1, 2),
                                        "Operation Successful!\r\nUse: " + out.path() + "\\log.bat to combine!"}));
    EXPECT_EQ(win.boxes.shown[0].title, "Cleavo File Splitter");
    EXPECT_EQ(win.boxes.shown[0].style & kIconMask, kInformationIcon);

    // While the pause is open: piece 1 is written and announced (and painted),
    // piece 2 not yet, and the Split button cannot start a second run.
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].status, "File 1 Done! Reading...");
    EXPECT_EQ(seen[0].lastPainted, "File 1 Done! Reading...");
    EXPECT_EQ(seen[0].files, std::vector<std::string>{"log.S01"});
    EXPECT_FALSE(seen[0].splitEnabled);
    EXPECT_EQ(seen[0].splitCaption, "&Split files now!");
    // The success message comes once the batch file and the kit are there.
    EXPECT_EQ(seen[1].files, withKit({"log.S01", "log.S02", "log.bat"}, "log.txt"));

    // The status line of the second click, from its start to the end of the run.
    auto reading = std::find(status.texts.begin(), status.texts.end(), "Reading...");
    ASSERT_NE(reading, status.texts.end());
    ASSERT_NE(reading, status.texts.begin());
    EXPECT_EQ(*(reading - 1), "Cleavo Status.");
    std::vector<std::string> run(reading, std::min(reading + 4, status.texts.end()));
    EXPECT_EQ(run, (std::vector<std::string>{"Reading...", "File 1 Done! Reading...", "File 2 Done! Reading...",
                                             "Operation Complete"}));
    EXPECT_EQ(std::count(status.texts.begin(), status.texts.end(), "Reading..."), 1);
    // Each text was on the screen before the next one came.
    EXPECT_NE(std::find(status.painted.begin(), status.painted.end(), "Reading..."), status.painted.end());
    EXPECT_NE(std::find(status.painted.begin(), status.painted.end(), "File 2 Done! Reading..."),
              status.painted.end());

    // The reset keeps the ticked box and its flag; with the box cleared there
    // is no pause at all.
    EXPECT_EQ(w.state().pauseFlag, 1);
    size_t before = win.boxes.shown.size();
    win.chooseFile(in.path(), "log.txt");
    chooseIntoYFiles(w, "2");
    w.chkPause.setValue(0);
    ASSERT_EQ(w.state().pauseFlag, 0);
    win.boxes.whileShown = nullptr;
    win.splitInto(outAgain.path());
    auto boxes = boxesSince(win, before);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Operation Successful!\r\nUse: " + outAgain.path() + "\\log.bat to combine!");
    EXPECT_EQ(readFile(outAgain / "log.S01") + readFile(outAgain / "log.S02"), input);
}

TEST(Run, PauseTickedDuringTheRunTakesEffectFromTheNextPiece) {
    TempDir in, out;
    writeFile(in / "three.bin", patternBytes(3000, 42));
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    win.chooseFile(in.path(), "three.bin");
    chooseIntoYFiles(w, "3");
    ASSERT_EQ(w.chkPause.value(), 0);
    ASSERT_EQ(w.state().pauseFlag, 0);

    TextRecorder status(w.lblStatus.hwnd());
    std::vector<WhileOpen> seen;
    watchBoxes(win, status, out.path(), seen);
    w.cmdSPlit.click();
    w.cleavDir.setPath(out.path());
    // The user's click on Pause waits in the queue; the run lets it through
    // before its first piece.
    PostMessageA(w.chkPause.hwnd(), BM_CLICK, 0, 0);
    ASSERT_EQ(w.state().pauseFlag, 0);
    w.cmdSPlit.click();
    win.settle();

    EXPECT_EQ(w.chkPause.value(), 1);
    ASSERT_EQ(win.boxes.texts(),
              (std::vector<std::string>{pauseText(1, 3), pauseText(2, 3),
                                        "Operation Successful!\r\nUse: " + out.path() + "\\three.bat to combine!"}));
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].files, std::vector<std::string>{"three.S01"});
    EXPECT_EQ(seen[0].status, "File 1 Done! Reading...");
    EXPECT_EQ(seen[1].files, (std::vector<std::string>{"three.S01", "three.S02"}));
    EXPECT_EQ(seen[1].status, "File 2 Done! Reading...");
    EXPECT_EQ(filesIn(out.path()), withKit({"three.S01", "three.S02", "three.S03", "three.bat"}, "three.bin"));
}

TEST(Run, TenthPieceIsNamedS10AndCountedWithoutALeadingZero) {
    TempDir in, out;
    const std::string input = patternBytes(1000, 43);
    writeFile(in / "ten.dat", input);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    win.chooseFile(in.path(), "ten.dat");
    chooseIntoYFiles(w, "10");
    TextRecorder status(w.lblStatus.hwnd());
    win.splitInto(out.path());

    std::vector<std::string> expected;
    for (int n = 1; n <= 10; ++n) expected.push_back(pieceName("ten", n));
    expected.push_back("ten.bat");
    EXPECT_EQ(filesIn(out.path()), withKit(expected, "ten.dat"));
    EXPECT_TRUE(fileExists(out / "ten.S10"));
    EXPECT_EQ(readFile(out / "ten.S10"), input.substr(900));
    EXPECT_EQ(readFile(out / "ten.S09"), input.substr(800, 100));

    std::vector<std::string> announced;
    for (const std::string& t : status.texts)
        if (t.find(" Done! Reading...") != std::string::npos) announced.push_back(t);
    ASSERT_EQ(announced.size(), 10u);
    EXPECT_EQ(announced[0], "File 1 Done! Reading...");
    EXPECT_EQ(announced[8], "File 9 Done! Reading...");
    EXPECT_EQ(announced[9], "File 10 Done! Reading...");
    EXPECT_EQ(win.boxes.texts(),
              std::vector<std::string>{"Operation Successful!\r\nUse: " + out.path() + "\\ten.bat to combine!"});
}

TEST(Run, AFolderChosenDuringTheRunNeitherMovesThePiecesNorStartsASecondRun) {
    // Had the run followed the folder chosen at the pause, its pieces would
    // have gone beside the input.
    TempDir in, out;
    const std::string input = patternBytes(3001, 44);
    writeFile(in / "clip.dat", input);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    win.chooseFile(in.path(), "clip.dat");
    chooseIntoYFiles(w, "3");
    w.chkPause.setValue(1);

    std::vector<bool> splitEnabledAfterChange;
    int pauses = 0;
    win.boxes.whileShown = [&](const ShownBox& box) {
        if (box.text.rfind("Click OK to continue", 0) != 0 || pauses++ > 0) return;
        w.cleavDir.setPath(in.path());
        splitEnabledAfterChange.push_back(w.cmdSPlit.enabled());
        w.cmdSPlit_Click();
    };
    win.splitInto(out.path());

    EXPECT_EQ(splitEnabledAfterChange, std::vector<bool>{false});
    ASSERT_EQ(win.boxes.texts(),
              (std::vector<std::string>{pauseText(1, 3), pauseText(2, 3),
                                        "Operation Successful!\r\nUse: " + out.path() + "\\clip.bat to combine!"}));
    EXPECT_EQ(readFile(in / "clip.dat"), input);
    EXPECT_EQ(filesIn(in.path()), std::vector<std::string>{"clip.dat"});
    EXPECT_EQ(filesIn(out.path()), withKit({"clip.S01", "clip.S02", "clip.S03", "clip.bat"}, "clip.dat"));
    EXPECT_EQ(readFile(out / "clip.S01") + readFile(out / "clip.S02") + readFile(out / "clip.S03"), input);
}
