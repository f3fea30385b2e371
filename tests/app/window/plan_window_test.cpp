// The second click of the Split button: its checks and refusals as the user
// sees them, before any piece is written.
#include <gtest/gtest.h>
#include <cctype>
#include <windows.h>

#include "app/support/splitter_window.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {
// Starts in `in`, chooses `name` and moves to the output phase on `out`.
void prepare(SplitterWindow& win, const std::string& in, const std::string& name, const std::string& out) {
    win.chooseFile(in, name);
    win->cmdSPlit.click();
    win->cleavDir.setPath(out);
}

// Clicks "Split files now!" and returns the boxes it showed.
std::vector<ShownBox> clickSplit(SplitterWindow& win) {
    size_t before = win.boxes.shown.size();
    win->cmdSPlit.click();
    return std::vector<ShownBox>(win.boxes.shown.begin() + static_cast<long>(before), win.boxes.shown.end());
}

bool anyPieceOrBatch(const std::string& folder) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool found = false;
    do {
        std::string n = fd.cFileName;
        if (n.find(".S") != std::string::npos || n.find(".bat") != std::string::npos) found = true;
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return found;
}
}  // namespace

TEST(SplitPlan, RefusalsKeepTheOutputPhase) {
    TempDir in, out;
    writeFile(in / "floppy.img", patternBytes(1457663));
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    prepare(win, in.path(), "floppy.img", out.path());

    // One floppy's worth is one piece.
    w.optSplitTypeButton[0].setValue(true);
    auto boxes = clickSplit(win);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Cleavo will not split into 1 file.");
    EXPECT_EQ(boxes[0].title, "Cleavo File Splitter");
    EXPECT_EQ(boxes[0].style & kIconMask, kInformationIcon);
    EXPECT_EQ(w.cmdSPlit.caption(), "&Split files now!");
    EXPECT_TRUE(w.cmdSPlit.enabled());

    // A typed size with grouping commas is read without them, and shown so.
    w.optSplitTypeButton[1].setValue(true);
    w.optBytesButton[0].setValue(true);
    w.txtByteSize.setText("1,457,663");
    boxes = clickSplit(win);
    EXPECT_EQ(w.txtByteSize.text(), "1457663");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Cleavo will not split into 1 file.");

    w.txtByteSize.setText("1457664");
    boxes = clickSplit(win);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The split size is larger than the file!");
    EXPECT_EQ(boxes[0].style & kIconMask, kExclamationIcon);

    // A size that is not a number ends the click without a word.
    w.txtByteSize.setText("12a");
    boxes = clickSplit(win);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(w.cmdSPlit.enabled());

    // A size below one byte is refused.
    w.txtByteSize.setText("-5");
    boxes = clickSplit(win);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The split size must be at least 1 byte.");

    // One-byte pieces would be far too many.
    w.txtByteSize.setText("1");
    boxes = clickSplit(win);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Too many files to re-combine!\r\n99 files is the maximum");
    EXPECT_EQ(boxes[0].style & kIconMask, kInformationIcon);

    EXPECT_FALSE(anyPieceOrBatch(out.path()));
    EXPECT_EQ(w.cmdSPlit.caption(), "&Split files now!");
    EXPECT_EQ(programEnds(), 0);
}

TEST(SplitPlan, ZeroSizeEndsInTheErrorTail) {
    TempDir in, out;
    writeFile(in / "data.bin", patternBytes(5000));
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    prepare(win, in.path(), "data.bin", out.path());
    w.optSplitTypeButton[1].setValue(true);
    w.txtByteSize.setText("0");
    w.cboEqualNumber.setText("9");
    auto boxes = clickSplit(win);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, expectedReport(11, "Division by zero", 390, "cmdSPlit_Click"));
    EXPECT_EQ(boxes[0].style & kIconMask, kCriticalIcon);
    EXPECT_EQ(boxes[1].text, "Click to restart program.");
    EXPECT_EQ(boxes[1].style & kIconMask, kExclamationIcon);
    // The reset ran after both boxes.
    EXPECT_EQ(w.cboEqualNumber.text(), "2");
    EXPECT_TRUE(choosingAFile(w));
    EXPECT_FALSE(anyPieceOrBatch(out.path()));
}

TEST(SplitPlan, TooManySplitsForFloppies) {
    TempDir in, out;
    makeSparseFile(in / "big.bin", 99ull * 1457663);
    SplitterWindow win(in.path());
    prepare(win, in.path(), "big.bin", out.path());
    win->optSplitTypeButton[0].setValue(true);
    auto boxes = clickSplit(win);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Too many splits!  Maximum of 99.");
    EXPECT_EQ(boxes[0].style & kIconMask, kInformationIcon);
    EXPECT_FALSE(anyPieceOrBatch(out.path()));
}

TEST(SplitPlan, SizeQuestionAboveOneJazDisk) {
    TempDir in, out;
    makeSparseFile(in / "a-exact.bin", 1004318710ull);
    makeSparseFile(in / "b-more.bin", 1004318711ull);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();

    // Exactly one Jaz disk: no question (and one piece, so refused).
    prepare(win, in.path(), "a-exact.bin", out.path());
    w.optSplitTypeButton[4].setValue(true);
    auto boxes = clickSplit(win);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Cleavo will not split into 1 file.");

    // One byte more is questioned; No ends the click.
    w.cleavDir.setPath(in.path());
    win.backToTheFileChoice();
    prepare(win, in.path(), "b-more.bin", out.path());
    win.boxes.answers.push_back(platform::kAnswerNo);
    boxes = clickSplit(win);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Is the size correct: \r\n1,004,318,711\r\nConfirm actual File Size in bytes with Explorer");
    EXPECT_EQ(boxes[0].style, 0x24u);  // Yes and No, question icon
    EXPECT_TRUE(w.cmdSPlit.enabled());
    EXPECT_FALSE(anyPieceOrBatch(out.path()));
}

TEST(SplitPlan, EmptyInputIsRefused) {
    TempDir in, out;
    writeFile(in / "empty.txt", "");
    SplitterWindow win(in.path());
    prepare(win, in.path(), "empty.txt", out.path());
    auto boxes = clickSplit(win);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The file is empty: there is nothing to split.");
    EXPECT_FALSE(anyPieceOrBatch(out.path()));
    // Every retry would say the same: the user is back to choosing a file.
    EXPECT_TRUE(choosingAFile(win.w()));
}

TEST(SplitPlan, InputNamedLikeItsOwnPiecesOrBatchIsNeverTouched) {
    TempDir in;
    const std::string piece = patternBytes(300000, 7), batch = "@echo keep me\r\n";
    writeFile(in / "movie.S01", piece);
    writeFile(in / "notes.bat", batch);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    w.mnuAdvanced(1).setValue(1);  // delete old pieces first: it must not reach the input
    w.optSplitTypeButton[2].setValue(true);

    // The same folder by other paths: another drive letter mapped to it (Y:
    // is drive C:'s folder under a second letter) and other letter case.
    std::string upper = in.path();
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    const std::string outFolders[] = {in.path(), "Y" + in.path().substr(1), upper};
    ASSERT_EQ(in.path().substr(0, 2), "C:");
    ASSERT_TRUE(fileExists("Y" + (in / "notes.bat").substr(1))) << "drive Y: of the test run is missing";
    for (const std::string& outFolder : outFolders)
    for (const char* name : {"movie.S01", "notes.bat"}) {
        SCOPED_TRACE(std::string(name) + " into " + outFolder);
        prepare(win, in.path(), name, outFolder);
        auto boxes = clickSplit(win);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].text.find(name), std::string::npos) << boxes[0].text;
        EXPECT_EQ(boxes[0].style & kIconMask, kExclamationIcon);
        EXPECT_TRUE(w.cmdSPlit.enabled());
        win.backToTheFileChoice();
    }
    EXPECT_EQ(readFile(in / "movie.S01"), piece);
    EXPECT_EQ(readFile(in / "notes.bat"), batch);
    EXPECT_FALSE(fileExists(in / "movie.S02"));
}

TEST(SplitPlan, OldPiecesGoFirstOnlyWhenAsked) {
    TempDir in, out;
    writeFile(in / "tiny.dat", "0123456789");  // one piece for any medium: refused after the deletion
    const int old[] = {1, 2, 5, 99};
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();

    for (int n : old) writeFile(out / ("tiny.S" + std::string(n < 10 ? "0" : "") + std::to_string(n)), "old");
    writeFile(out / "tiny.S100", "not a piece name");
    prepare(win, in.path(), "tiny.dat", out.path());
    auto boxes = clickSplit(win);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(fileExists(out / "tiny.S01"));
    EXPECT_TRUE(fileExists(out / "tiny.S99"));

    // Asked for, they go only once the split goes ahead: not for a refusal.
    w.mnuAdvanced(1).setValue(1);
    boxes = clickSplit(win);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Cleavo will not split into 1 file.");
    for (int n : old) EXPECT_TRUE(fileExists(out / ("tiny.S" + std::string(n < 10 ? "0" : "") + std::to_string(n))));
    chooseIntoYFiles(w, "2");
    boxes = clickSplit(win);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Operation Successful!\r\nUse: " + out.path() + "\\tiny.bat to combine!");
    EXPECT_EQ(readFile(out / "tiny.S01") + readFile(out / "tiny.S02"), "0123456789");
    for (const char* name : {"tiny.S05", "tiny.S99"}) EXPECT_FALSE(fileExists(out / name)) << name;
    EXPECT_TRUE(fileExists(out / "tiny.S100"));
    EXPECT_EQ(readFile(in / "tiny.dat"), "0123456789");
}
