// Splits onto a drive too small for them: the 3 MiB tmpfs that the test run
// mounts and Wine shows as drive T:.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/run/split_files.h"
#include "app/support/splitter_window.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

const int64_t kFloppy = 1457663;
const int64_t kInputSize = 4194304;  // 4 MiB: three floppy pieces

// Why drive T: cannot serve as the small drive; empty when it can.
std::string smallDriveMissing() {
    UINT type = GetDriveTypeA("T:\\");
    if (type == DRIVE_NO_ROOT_DIR || type == DRIVE_UNKNOWN)
        return "drive T: is not there (the tmpfs of the test run could not be mounted, which needs root)";
    ULARGE_INTEGER available = {}, total = {}, totalFree = {};
    if (!GetDiskFreeSpaceExA("T:\\", &available, &total, &totalFree)) return "drive T: reports no free space";
    if (total.QuadPart > 8ull * 1024 * 1024) return "drive T: is not the small tmpfs of the test run";
    return "";
}

int64_t freeOnT() {
    ULARGE_INTEGER available = {}, total = {}, totalFree = {};
    GetDiskFreeSpaceExA("T:\\", &available, &total, &totalFree);
    return static_cast<int64_t>(available.QuadPart);
}

// Chooses the input, moves to the output phase and picks a folder on drive T:
// as a user would: the drive first, then the folder.
void prepareOnT(SplitterWindow& win, const std::string& in, const std::string& outOnT) {
    frmSplitter& w = win.w();
    win.chooseFile(in, "big.bin");
    w.cmdSPlit.click();
    w.CleavDrive.setDrive("t:");
    w.cleavDir.setPath(outOnT);
    EXPECT_EQ(w.CleavDrive.drive().substr(0, 2), "t:");
}

}  // namespace

#define SKIP_WITHOUT_SMALL_DRIVE()                        \
    do {                                                  \
        std::string why = smallDriveMissing();            \
        if (!why.empty()) GTEST_SKIP() << why;            \
    } while (0)

// With Pause on the whole file need not fit; each piece does, on the disk in
// the drive after each pause, before it is begun, and the last disk holds
// the last piece, however short, and the records.
TEST(RunDiskFull, EachDiskAfterAPauseMustHoldItsOwnPiece) {
    SKIP_WITHOUT_SMALL_DRIVE();
    const struct {
        const char* what;
        int64_t inputSize;
        int64_t freeAtPause;  // what a filler leaves at the first pause; 0: no filler
        std::vector<std::string> pieces;
    } rows[] = {
        {"the third piece does not fit", kInputSize, 0, {"big.S01", "big.S02"}},
        // Not room for a whole piece, but for the last, shorter one.
        {"the last piece fits", kFloppy + 1084672, 1216512, {"big.S01", "big.S02", "big.bat", "big.bin.sha256", "big.sh"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempDir in;
        TempDir outOnT("T:\\");
        const std::string input = patternBytes(static_cast<size_t>(row.inputSize), 61);
        writeFile(in / "big.bin", input);
        const int64_t free = freeOnT();
        ASSERT_GT(free, 2 * kFloppy);  // room for two floppy pieces but not for the whole file
        SplitterWindow win(in.path());
        frmSplitter& w = win.w();
        win.boxes.whileShown = [&](const ShownBox& box) {
            if (row.freeAtPause && box.text.rfind("Click OK", 0) == 0)
                writeFile(outOnT / "filler.bin", std::string(static_cast<size_t>(freeOnT() - row.freeAtPause), 'f'));
        };
        w.optSplitTypeButton[0].setValue(true);
        w.chkPause.setValue(1);
        prepareOnT(win, in.path(), outOnT.path());
        w.cmdSPlit.click();
        win.settle();
        DeleteFileA((outOnT / "filler.bin").c_str());

        const std::vector<std::string> boxes = win.boxes.texts();
        EXPECT_EQ(filesIn(outOnT.path()), row.pieces);
        EXPECT_TRUE(win.libraryBoxes.seen().empty());
        EXPECT_EQ(readFile(in / "big.bin"), input);
        EXPECT_EQ(w.cmdSPlit.enabled(), true);
        if (row.freeAtPause) {
            ASSERT_EQ(boxes.size(), 2u);
            EXPECT_EQ(boxes[1].rfind("Operation Successful!", 0), 0u) << boxes[1];
            EXPECT_EQ(readFile(outOnT / "big.S01") + readFile(outOnT / "big.S02"), input);
            continue;
        }
        ASSERT_EQ(boxes.size(), 3u);
        EXPECT_EQ(boxes[1], "Click OK to continue Cleaving!\r\n Cleav 2 of 3");
        // The last piece and the records: 1,278,978 bytes and a few more.
        EXPECT_EQ(boxes[2].rfind("The drive is not big enough!\r\n\r\nSplit  size  is:  1,2", 0), 0u) << boxes[2];
        EXPECT_NE(boxes[2].find("The split has stopped: no batch file was written."), std::string::npos);
        EXPECT_EQ(readFile(outOnT / "big.S01") + readFile(outOnT / "big.S02"), input.substr(0, 2 * kFloppy));
        EXPECT_EQ(w.cmdSPlit.caption(), "&Split files now!");
        EXPECT_EQ(w.lblStatus.caption(), "Split stopped: no batch file was written.");
    }
}

TEST(RunDiskFull, RequestsTooBigForTheDriveAreRefusedBeforeAnythingIsWritten) {
    SKIP_WITHOUT_SMALL_DRIVE();
    TempDir in;
    TempDir outOnT("T:\\");
    writeFile(in / "big.bin", patternBytes(kInputSize, 62));
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    w.optSplitTypeButton[0].setValue(true);
    ASSERT_EQ(w.state().pauseFlag, 0);
    prepareOnT(win, in.path(), outOnT.path());

    // Pause off: the whole file must fit.
    int64_t free = freeOnT();
    ASSERT_LT(free, kInputSize);
    w.cmdSPlit.click();
    // The whole file and the records beside it, a few KB.
    ASSERT_EQ(win.boxes.texts().size(), 1u);
    const std::string report = win.boxes.texts()[0];
    const std::string head = "The drive is not big enough!\r\n\r\nFile  size  is:  ";
    ASSERT_EQ(report.rfind(head, 0), 0u) << report;
    std::string figure;
    for (size_t i = head.size(); i < report.size() && report[i] != '\r'; ++i)
        if (report[i] != ',') figure += report[i];
    EXPECT_GT(std::stoll(figure), kInputSize);
    EXPECT_LT(std::stoll(figure), kInputSize + 65536);
    EXPECT_NE(report.find("\r\n\r\nDrive size is:  " + grouped(free) + "\r\n\r\n"), std::string::npos);
    EXPECT_EQ(win.boxes.shown[0].style & kIconMask, kCriticalIcon);
    EXPECT_EQ(win.boxes.shown[0].title, "Cleavo File Splitter");
    EXPECT_TRUE(w.cmdSPlit.enabled());
    EXPECT_EQ(w.cmdSPlit.caption(), "&Split files now!");
    EXPECT_TRUE(filesIn(outOnT.path()).empty());

    // Pause on, but one piece is larger than the drive's free space.
    w.chkPause.setValue(1);
    w.optSplitTypeButton[1].setValue(true);
    w.optBytesButton[0].setValue(true);
    w.txtByteSize.setText("3500000");
    free = freeOnT();
    ASSERT_LT(free, 3500000);
    size_t before = win.boxes.shown.size();
    w.cmdSPlit.click();
    auto boxes = boxesSince(win, before);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The drive is not big enough!\r\n\r\nSplit  size  is:  3,500,000\r\n\r\nDrive size is:  " +
                                 grouped(free) + "\r\n\r\nDifference is:  " + grouped(3500000 - free) + "\r\n");
    EXPECT_EQ(boxes[0].style & kIconMask, kCriticalIcon);
    EXPECT_EQ(boxes[0].title, "Cleavo File Splitter");
    EXPECT_TRUE(w.cmdSPlit.enabled());
    EXPECT_EQ(w.cmdSPlit.caption(), "&Split files now!");
    EXPECT_TRUE(filesIn(outOnT.path()).empty());
    EXPECT_TRUE(win.libraryBoxes.seen().empty());
}

TEST(RunDiskFull, ABatchFileThatDoesNotFitIsNotLeftBehind) {
    SKIP_WITHOUT_SMALL_DRIVE();
    TempDir in;
    TempDir outOnT("T:\\");
    // The two pieces and two pages are left: the records' bytes fit, but each
    // of the three small files takes a page of its own, so the last finds no room.
    const int64_t page = 4096;
    const int64_t pieceSize = (freeOnT() / 2 / page - 2) * page;
    writeFile(outOnT / "filler.bin", std::string(static_cast<size_t>(freeOnT() - 2 * pieceSize - 2 * page), 'f'));
    ASSERT_EQ(freeOnT(), 2 * pieceSize + 2 * page) << "the filler did not leave room for two pieces and two pages";
    const std::string input = patternBytes(static_cast<size_t>(2 * pieceSize), 63);
    writeFile(in / "big.bin", input);

    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    chooseIntoYFiles(w, "2");
    prepareOnT(win, in.path(), outOnT.path());
    w.cmdSPlit.click();
    win.settle();

    ASSERT_EQ(win.boxes.texts(), (std::vector<std::string>{expectedReport(61, "Disk full", 733, "cmdSPlit_Click"),
                                                           "Click to restart program."}));
    EXPECT_EQ(filesIn(outOnT.path()), (std::vector<std::string>{"big.S01", "big.S02", "filler.bin"}));
    EXPECT_EQ(readFile(outOnT / "big.S01") + readFile(outOnT / "big.S02"), input);
    EXPECT_EQ(readFile(in / "big.bin"), input);
    // The restart that the notice promises: as start-up leaves the window.
    EXPECT_TRUE(choosingAFile(w));
    EXPECT_EQ(w.lblStatus.caption(), "Cleavo Status.");
}

TEST(RunDiskFull, AnEarlierSplitOfTheSameFileCountsAsRoomItFrees) {
    SKIP_WITHOUT_SMALL_DRIVE();
    TempDir in;
    TempDir outOnT("T:\\");
    const std::string input = patternBytes(2000000, 64);
    writeFile(in / "big.bin", input);
    SplitterWindow win(in.path());
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        chooseIntoYFiles(win.w(), "2");
        prepareOnT(win, in.path(), outOnT.path());
        const size_t before = win.boxes.shown.size();
        if (round == 1) {
            ASSERT_LT(freeOnT(), static_cast<int64_t>(input.size()));
        }
        win.w().cmdSPlit.click();
        win.settle();
        const std::vector<ShownBox> boxes = boxesSince(win, before);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Operation Successful!\r\nUse: " + outOnT.path() + "\\big.bat to combine!");
        EXPECT_EQ(readFile(outOnT / "big.S01") + readFile(outOnT / "big.S02"), input);
    }
}

// A FAT32 stick (drive T:) holds no piece over 4,294,967,295 bytes: the split
// offers pieces of that size instead. No leaves every choice as it was; Yes
// takes "Split for Equal size" with that size in bytes and goes on, here to
// the stick's lack of room, before a byte is written.
TEST(RunDiskFull, AFat32StickOffersPiecesOfTheLargestSizeItHolds) {
    SKIP_WITHOUT_SMALL_DRIVE();
    char fileSystem[16] = {};
    GetVolumeInformationA("T:\\", nullptr, 0, nullptr, nullptr, nullptr, fileSystem, sizeof fileSystem);
    if (std::string(fileSystem) != "FAT32") GTEST_SKIP() << "drive T: is not FAT32 (mkfs.fat of dosfstools makes it so)";
    TempDir in;
    TempDir outOnT("T:\\");
    makeSparseFile(in / "big.bin", 9000000000ull);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    w.optSplitTypeButton[1].setValue(true);
    w.txtByteSize.setText("4882813");  // KB: pieces of 5,000,000,512 bytes
    w.chkPause.setValue(1);            // the whole file need not fit on the stick
    prepareOnT(win, in.path(), outOnT.path());
    const std::string offer =
        "The pieces of this split are 5,000,000,512 bytes, but drive T: is formatted FAT32, which holds no file "
        "larger than 4,294,967,295 bytes.\r\n\r\nSplit into pieces of 4,294,967,295 bytes, the largest it holds, "
        "instead?";
    for (int answer : {platform::kAnswerNo, platform::kAnswerYes}) {
        SCOPED_TRACE(answer == platform::kAnswerYes ? "Yes" : "No");
        win.boxes.shown.clear();
        win.boxes.answers = {platform::kAnswerYes /* the file's size is right */, answer};
        w.cmdSPlit.click();
        win.settle();
        const std::vector<std::string> boxes = win.boxes.texts();
        ASSERT_GE(boxes.size(), 2u);
        EXPECT_EQ(boxes[1], offer);
        EXPECT_TRUE(filesIn(outOnT.path()).empty());
        EXPECT_TRUE(w.cmdSPlit.enabled());
        EXPECT_TRUE(w.optSplitTypeButton[1].value());
        if (answer == platform::kAnswerNo) {
            EXPECT_EQ(boxes.size(), 2u);
            EXPECT_EQ(w.txtByteSize.text(), "4882813");
            EXPECT_TRUE(w.optBytesButton[1].value());
        } else {
            EXPECT_EQ(w.txtByteSize.text(), "4,294,967,295");
            EXPECT_TRUE(w.optBytesButton[0].value());
            ASSERT_EQ(boxes.size(), 3u);
            EXPECT_EQ(boxes[2].rfind("The drive is not big enough!\r\n\r\nSplit  size  is:  4,294,967,295", 0), 0u)
                << boxes[2];
        }
    }
}
