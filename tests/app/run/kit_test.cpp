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
    };
    const Case cases[] = {
        {"plain", "holiday.avi", "holiday", "holiday", 5000, "3"},
        {"shell", "it's $HOME `date` a;b&c!.txt", "it's $HOME `date` a;b&c!", "it's $HOME `date` a;b&c!", 4000, "2"},
        {"no-extension", "README", "RE", "README", 3000, "3"},
        {"dots", "a.b.c", "a", "a", 2000, "2"},
        {"ninety-nine", "many.bin", "many", "many", 99 * 37, "99"},
        {"empty-last", "tail.dat", "tail", "tail", 10, "6"},  // pieces of 2 bytes, the sixth empty
        {"non-ascii", "caf\xE9.txt", "caf\xE9", "caf\xE9", 2500, "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        const std::string in = root + "\\" + c.folder + "\\in", out = root + "\\" + c.folder + "\\out";
        ASSERT_TRUE(CreateDirectoryA((root + "\\" + c.folder).c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(in.c_str(), nullptr) && CreateDirectoryA(out.c_str(), nullptr));
        writeFile(in + "\\" + c.name, patternBytes(c.bytes, static_cast<unsigned>(c.bytes)));
        SplitterWindow win(in);
        win.chooseFile(in, c.name);
        chooseIntoYFiles(win.w(), c.pieces);
        win.splitInto(out);

        EXPECT_EQ(win.boxes.texts(), std::vector<std::string>{"Operation Successful!\r\nUse: " + out + "\\" +
                                                               c.batchStem + ".bat to combine!"});
        std::vector<std::string> expected;
        for (int n = 1; n <= atoi(c.pieces); ++n) expected.push_back(pieceName(c.pieceStem, n));
        expected.push_back(c.batchStem + ".bat");
        expected.push_back(c.batchStem + ".sh");
        expected.push_back(c.name + ".sha256");
        std::vector<std::string> written = filesIn(out);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(written, expected);
    }
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
