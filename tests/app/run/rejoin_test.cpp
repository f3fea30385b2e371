// Whole splits through the window and the library, then the way back: the
// batch file run by Wine's own command interpreter in the folder of the
// pieces must rebuild the input byte for byte.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/run/split_files.h"
#include "platform/ansi_text.h"
#include "app/support/splitter_window.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

// Compares without printing megabytes on a mismatch.
::testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    return ::testing::AssertionFailure() << "sizes " << actual.size() << " and " << expected.size()
                                         << ", first difference at byte " << at;
}

// The batch file's copy line (the one line where it has one), without the
// temporary name it writes and its CR LF: the names as the interpreter gets them.
std::string copyLine(const std::string& batchPath) {
    const std::string batch = readFile(batchPath), tail = ".%r%.tmp\" >nul\r\n";
    const size_t at = batch.find("\r\ncopy ") + 2, end = batch.find(tail, at);
    if (at == 1 || end == std::string::npos) return batch;
    return batch.substr(at, end - at) + "\"";
}

// Runs the batch file in `folder` and checks what it rebuilt.
void expectRejoins(const std::string& folder, const std::string& batchName, const std::string& target,
                   const std::string& input) {
    ASSERT_FALSE(fileExists(folder + "\\" + target)) << target << " is there before the batch file ran";
    EXPECT_EQ(runBatch(folder, batchName), 0) << batchName;
    ASSERT_TRUE(fileExists(folder + "\\" + target)) << batchName << " did not rebuild " << target;
    EXPECT_TRUE(sameBytes(readFile(folder + "\\" + target), input)) << target;
}

}  // namespace

TEST(Rejoin, TwoFloppyPiecesThenTheWindowIsReadyForTheNextFile) {
    TempDir in, out;
    const std::string input = patternBytes(1457663 + 4321, 7);
    writeFile(in / "holiday.avi", input);
    writeFile(in / "notes.txt", "other file");
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    w.optSplitTypeButton[0].setValue(true);
    win.chooseFile(in.path(), "holiday.avi");
    TextRecorder status(w.lblStatus.hwnd());
    win.splitInto(out.path());

    // One box, the success message, naming the batch file with its folder.
    ASSERT_EQ(win.boxes.texts(),
              std::vector<std::string>{"Operation Successful!\r\nUse: " + out.path() + "\\holiday.bat to combine!"});
    EXPECT_EQ(win.boxes.shown[0].title, "Cleavo File Splitter");
    EXPECT_EQ(win.boxes.shown[0].style & kIconMask, kExclamationIcon);
    EXPECT_TRUE(win.libraryBoxes.seen().empty());

    // Two raw pieces and the one-line batch file, nothing else.
    EXPECT_EQ(filesIn(out.path()), withKit({"holiday.S01", "holiday.S02", "holiday.bat"}, "holiday.avi"));
    EXPECT_TRUE(sameBytes(readFile(out / "holiday.S01"), input.substr(0, 1457663)));
    EXPECT_TRUE(sameBytes(readFile(out / "holiday.S02"), input.substr(1457663)));
    EXPECT_EQ(copyLine(out / "holiday.bat"), "copy \"holiday.S01\" /b  + \"holiday.S02\" /b \"holiday.avi\"");

    // The input is untouched.
    EXPECT_EQ(filesIn(in.path()), (std::vector<std::string>{"holiday.avi", "notes.txt"}));
    EXPECT_TRUE(sameBytes(readFile(in / "holiday.avi"), input));

    // "Operation Complete" follows the last piece; the reset then chooses the
    // first file of the list, which shows its size.
    auto done = std::find(status.texts.begin(), status.texts.end(), "File 2 Done! Reading...");
    ASSERT_NE(done, status.texts.end());
    ASSERT_NE(done + 1, status.texts.end());
    EXPECT_EQ(*(done + 1), "Operation Complete");

    // Back in the file-choice phase, the file list showing the output folder
    // again with its first entry chosen.
    EXPECT_TRUE(choosingAFile(w));
    EXPECT_TRUE(w.mnuCreate(1).enabled());
    ASSERT_EQ(w.fiInFile.count(), 5);
    EXPECT_EQ(w.fiInFile.listIndex(), 0);
    EXPECT_EQ(w.state().inDirPath, out.path());
    EXPECT_EQ(w.state().inFileName, w.fiInFile.item(0));
    EXPECT_EQ(w.cboEqualNumber.text(), "2");
    EXPECT_EQ(programEnds(), 0);

    expectRejoins(out.path(), "holiday.bat", "holiday.avi", input);
}

TEST(Rejoin, TwelvePiecesInAscendingOrder) {
    TempDir in, out;
    const std::string input = patternBytes(12005, 3);
    writeFile(in / "scan.tif", input);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    win.chooseFile(in.path(), "scan.tif");
    chooseIntoYFiles(w, "12");
    win.splitInto(out.path());

    ASSERT_EQ(win.boxes.texts(),
              std::vector<std::string>{"Operation Successful!\r\nUse: " + out.path() + "\\scan.bat to combine!"});

    // 12,005 bytes in 12 pieces: 11 of 1,001 bytes, the last of 994.
    std::vector<std::string> expectedFiles;
    for (int n = 1; n <= 12; ++n) expectedFiles.push_back(pieceName("scan", n));
    expectedFiles.push_back("scan.bat");
    EXPECT_EQ(filesIn(out.path()), withKit(expectedFiles, "scan.tif"));
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(readFile(out / pieceName("scan", n)), input.substr(static_cast<size_t>(n - 1) * 1001, 1001)) << n;

    EXPECT_EQ(copyLine(out / "scan.bat"),
              "copy \"scan.S01\" /b  + \"scan.S02\" /b  + \"scan.S03\" /b  + \"scan.S04\" /b  + \"scan.S05\" /b  + "
              "\"scan.S06\" /b  + \"scan.S07\" /b  + \"scan.S08\" /b  + \"scan.S09\" /b  + \"scan.S10\" /b  + "
              "\"scan.S11\" /b  + \"scan.S12\" /b \"scan.tif\"");
    EXPECT_TRUE(sameBytes(readFile(in / "scan.tif"), input));

    expectRejoins(out.path(), "scan.bat", "scan.tif", input);
}

TEST(Rejoin, NamesWithoutADotWithTwoDotsAndWithBlanks) {
    TempDir in, outReadme, outArchive, outBlanks;
    const std::string readme = patternBytes(3000, 11);
    const std::string archive = patternBytes(4096, 12);
    const std::string movie = patternBytes(2500, 13);
    writeFile(in / "README", readme);
    writeFile(in / "archive.tar.gz", archive);
    writeFile(in / "my holiday movie.avi", movie);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();

    // No "." at all: the pieces drop the last four letters, the batch file keeps the whole name.
    win.chooseFile(in.path(), "README");
    chooseIntoYFiles(w, "3");
    win.splitInto(outReadme.path());
    EXPECT_EQ(filesIn(outReadme.path()), withKit({"RE.S01", "RE.S02", "RE.S03", "README.bat"}, "README"));
    EXPECT_EQ(copyLine(outReadme / "README.bat"), "copy \"RE.S01\" /b  + \"RE.S02\" /b  + \"RE.S03\" /b \"README\"");

    // Two dots: the pieces drop ".gz"'s four characters, the batch file is named up to the first ".".
    win.chooseFile(in.path(), "archive.tar.gz");
    chooseIntoYFiles(w, "2");
    win.splitInto(outArchive.path());
    EXPECT_EQ(filesIn(outArchive.path()),
              withKit({"archive.bat", "archive.ta.S01", "archive.ta.S02"}, "archive.tar.gz"));
    EXPECT_EQ(copyLine(outArchive / "archive.bat"),
              "copy \"archive.ta.S01\" /b  + \"archive.ta.S02\" /b \"archive.tar.gz\"");

    // Blanks stay inside the quotation marks.
    win.chooseFile(in.path(), "my holiday movie.avi");
    chooseIntoYFiles(w, "2");
    win.splitInto(outBlanks.path());
    EXPECT_EQ(filesIn(outBlanks.path()),
              withKit({"my holiday movie.S01", "my holiday movie.S02", "my holiday movie.bat"},
                      "my holiday movie.avi"));
    EXPECT_EQ(copyLine(outBlanks / "my holiday movie.bat"),
              "copy \"my holiday movie.S01\" /b  + \"my holiday movie.S02\" /b \"my holiday movie.avi\"");

    EXPECT_EQ(win.boxes.texts(),
              (std::vector<std::string>{
                  "Operation Successful!\r\nUse: " + outReadme.path() + "\\README.bat to combine!",
                  "Operation Successful!\r\nUse: " + outArchive.path() + "\\archive.bat to combine!",
                  "Operation Successful!\r\nUse: " + outBlanks.path() + "\\my holiday movie.bat to combine!"}));
    EXPECT_EQ(filesIn(in.path()), (std::vector<std::string>{"README", "archive.tar.gz", "my holiday movie.avi"}));

    expectRejoins(outReadme.path(), "README.bat", "README", readme);
    expectRejoins(outArchive.path(), "archive.bat", "archive.tar.gz", archive);
    expectRejoins(outBlanks.path(), "my holiday movie.bat", "my holiday movie.avi", movie);
}

TEST(Rejoin, PercentSignsAreDoubledInTheBatchLine) {
    TempDir in, out;
    const std::string input = patternBytes(7777, 21);
    // Two "%" would make the interpreter read the text between them as a variable.
    writeFile(in / "100% sure 50% off.txt", input);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    win.chooseFile(in.path(), "100% sure 50% off.txt");
    chooseIntoYFiles(w, "2");
    win.splitInto(out.path());

    EXPECT_EQ(win.boxes.texts(), std::vector<std::string>{"Operation Successful!\r\nUse: " + out.path() +
                                                           "\\100% sure 50% off.bat to combine!"});
    EXPECT_EQ(filesIn(out.path()),
              withKit({"100% sure 50% off.S01", "100% sure 50% off.S02", "100% sure 50% off.bat"},
                      "100% sure 50% off.txt"));
    EXPECT_EQ(copyLine(out / "100% sure 50% off.bat"),
              "copy \"100%% sure 50%% off.S01\" /b  + \"100%% sure 50%% off.S02\" /b \"100%% sure 50%% off.txt\"");

    expectRejoins(out.path(), "100% sure 50% off.bat", "100% sure 50% off.txt", input);
}

TEST(Rejoin, NonAsciiNamesInTheOemCodePage) {
    // The program's texts are UTF-8; the batch file must be in the OEM code
    // page that the interpreter reads. e-acute is 0x82 in both cp437 and cp850.
    ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8)) << "the manifest's UTF-8 did not take";
    ASSERT_EQ(platform::systemAnsiCodePage(), 1252u) << "the test prefix is expected to be Western";
    ASSERT_TRUE(platform::systemOemCodePage() == 437u || platform::systemOemCodePage() == 850u);
    const std::string cafe = u8"café";

    TempDir in, out, outEuro;
    const std::string input = patternBytes(5000, 31);
    writeFile(in / (cafe + ".txt"), input);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    win.chooseFile(in.path(), cafe + ".txt");
    chooseIntoYFiles(w, "2");
    win.splitInto(out.path());

    EXPECT_EQ(win.boxes.texts(),
              std::vector<std::string>{"Operation Successful!\r\nUse: " + out.path() + "\\" + cafe + ".bat to combine!"});
    EXPECT_EQ(filesIn(out.path()), withKit({cafe + ".S01", cafe + ".S02", cafe + ".bat"}, cafe + ".txt"));
    EXPECT_EQ(copyLine(out / (cafe + ".bat")), "copy \"caf\x82.S01\" /b  + \"caf\x82.S02\" /b \"caf\x82.txt\"");
    expectRejoins(out.path(), cafe + ".bat", cafe + ".txt", input);

    // The euro sign has no place in cp437 or cp850, but it is only in the
    // batch file's own name: the lines name the files through it.
    const std::string euro = u8"price €";
    const std::string euroInput = patternBytes(3000, 32);
    writeFile(in / (euro + ".txt"), euroInput);
    size_t before = win.boxes.shown.size();
    win.chooseFile(in.path(), euro + ".txt");
    chooseIntoYFiles(w, "2");
    win.splitInto(outEuro.path());
    auto boxes = boxesSince(win, before);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Operation Successful!\r\nUse: " + outEuro.path() + "\\" + euro + ".bat to combine!");
    EXPECT_EQ(copyLine(outEuro / (euro + ".bat")), "copy \"%~n0.S01\" /b  + \"%~n0.S02\" /b \"%~n0.txt\"");
    expectRejoins(outEuro.path(), euro + ".bat", euro + ".txt", euroInput);

    // Where a name has no OEM form beyond the batch file's own, no batch file
    // can name it: the pieces are written, the joiner rejoins them, and the
    // message says so instead of promising a batch file.
    const std::string beyond = u8"report.東京ab";
    writeFile(in / beyond, euroInput);
    before = win.boxes.shown.size();
    win.chooseFile(in.path(), beyond);
    chooseIntoYFiles(w, "2");
    win.splitInto(outEuro.path());
    boxes = boxesSince(win, before);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(anyBoxSays(boxes, "Operation Successful!")) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("no batch file was"), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("joiner script"), std::string::npos) << boxes[0].text;
    EXPECT_FALSE(fileExists(outEuro / "report.bat"));
    EXPECT_EQ(readFile(outEuro / "report..S01") + readFile(outEuro / "report..S02"), euroInput);
    EXPECT_EQ(w.cmdSPlit.caption(), "&Split this file");
}
