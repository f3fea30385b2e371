// The receiver's kit as real splits through the window write it. The splits
// stay in C:\cleavo-kit-cases for joiner_test.sh, which runs each joiner
// with /bin/sh as a receiver on Linux would: one folder per case, the input
// in in\, the pieces, batch file and kit in out\.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/run/split_files.h"
#include "app/support/splitter_window.h"
#include "support/temp_dir.h"

using namespace testing_support;

TEST(Kit, SplitsForTheJoinerTest) {
    const std::string root = "C:\\cleavo-kit-cases";
    removeTree(root);
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
    struct Case {
        const char* folder;
        std::string name, pieceStem, batchStem;
        size_t bytes;
        const char* pieces;
        // How the batch file names the files: in the OEM code page, or
        // through its own name where that has no OEM form.
        bool selfNamed;
    };
    std::string tokyo80;  // 80 characters, 240 bytes in UTF-8
    for (int i = 0; i < 16; ++i) tokyo80 += u8"東京タワー";
    const Case cases[] = {
        {"plain", "holiday.avi", "holiday", "holiday", 5000, "3", false},
        {"shell", "it's $HOME `date` a;b&c!.txt", "it's $HOME `date` a;b&c!", "it's $HOME `date` a;b&c!", 4000, "2",
         false},
        {"no-extension", "README", "RE", "README", 3000, "3", false},
        {"dots", "a.b.c", "a", "a", 2000, "2", false},
        {"ninety-nine", "many.bin", "many", "many", 99 * 37, "99", false},
        {"empty-last", "tail.dat", "tail", "tail", 10, "6", false},  // pieces of 2 bytes, the sixth empty
        {"non-ascii", u8"café 100% a&b.txt", u8"café 100% a&b", u8"café 100% a&b", 2500, "2", false},
        {"japanese", u8"東京タワー.mp4", u8"東京タワー", u8"東京タワー", 3000, "3", true},
        {"cyrillic", u8"Отчёт 2026.docx", u8"Отчёт 2026.", u8"Отчёт 2026", 2000, "2", true},
        {"emoji", u8"😀 party.zip", u8"😀 party", u8"😀 party", 2000, "2", true},
        {"greek-arabic", u8"Ελλάδα تقرير 'a'&$b.pdf", u8"Ελλάδα تقرير 'a'&$b",
         u8"Ελλάδα تقرير 'a'&$b", 2000, "2", true},
        {"cut-stem", u8"東京.7z", u8"東", u8"東京", 2000, "2", true},
        {"japanese-80", tokyo80 + ".mp4", tokyo80, tokyo80, 3000, "2", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        const std::string dir = root + "\\" + c.folder, in = dir + "\\in", out = dir + "\\out";
        ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(in.c_str(), nullptr) && CreateDirectoryA(out.c_str(), nullptr));
        const std::string input = patternBytes(c.bytes, static_cast<unsigned>(c.bytes));
        writeFile(in + "\\" + c.name, input);
        SplitterWindow win(in);
        win.chooseFile(in, c.name);
        chooseIntoYFiles(win.w(), c.pieces);
        win.splitInto(out);

        EXPECT_EQ(win.boxes.texts(), std::vector<std::string>{"Operation Successful!\r\nUse: " + out + "\\" +
                                                               c.batchStem + ".bat to combine!"});
        std::vector<std::string> expected, pieces;
        for (int n = 1; n <= atoi(c.pieces); ++n) pieces.push_back(pieceName(c.pieceStem, n));
        expected = pieces;
        expected.push_back(c.batchStem + ".bat");
        expected.push_back(c.batchStem + ".sh");
        expected.push_back(c.name + ".sha256");
        std::vector<std::string> written = filesIn(out);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(written, expected);

        // The batch file, run under its own name in a folder of nothing but
        // the pieces and itself, rebuilds the input.
        const std::string batch = readFile(out + "\\" + c.batchStem + ".bat");
        EXPECT_EQ(batch.find("%~n0") != std::string::npos, c.selfNamed) << batch;
        const std::string alone = dir + "\\cmd";
        ASSERT_TRUE(CreateDirectoryA(alone.c_str(), nullptr));
        for (const std::string& f : pieces) ASSERT_TRUE(CopyFileA((out + "\\" + f).c_str(), (alone + "\\" + f).c_str(), TRUE));
        writeFile(alone + "\\" + c.batchStem + ".bat", batch);
        EXPECT_EQ(runBatch(alone, c.batchStem + ".bat"), 0);
        EXPECT_TRUE(readFile(alone + "\\" + c.name) == input) << "the batch file did not rebuild " << c.name;
        removeTree(alone);
    }
    // The OEM line of a name that has one stays byte for byte.
    EXPECT_EQ(readFile(root + u8"\\non-ascii\\out\\café 100% a&b.bat"),
              "copy \"caf\x82 100%% a&b.S01\" /b  + \"caf\x82 100%% a&b.S02\" /b \"caf\x82 100%% a&b.txt\"\r\n");
}

TEST(Kit, AnInputNamedLikeItsJoinerIsRefused) {
    TempDir in;
    writeFile(in / "notes.sh", patternBytes(3000));
    SplitterWindow win(in.path());
    win.chooseFile(in.path(), "notes.sh");
    chooseIntoYFiles(win.w(), "2");
    win.splitInto(in.path());
    ASSERT_EQ(win.boxes.texts(),
              std::vector<std::string>{"The file notes.sh would be overwritten by its own joiner script.\r\n"
                                       "Choose another output folder or rename the file."});
    EXPECT_EQ(win.boxes.shown[0].style & kIconMask, kExclamationIcon);
    EXPECT_EQ(filesIn(in.path()), std::vector<std::string>{"notes.sh"});
    EXPECT_EQ(readFile(in / "notes.sh"), patternBytes(3000));
}
