#include <gtest/gtest.h>
#include <windows.h>

#include "platform/files.h"
#include "platform/runtime_error.h"
#include "split/batch.h"
#include "split/input_guard.h"
#include "split/messages.h"
#include "split/names.h"

using namespace split;

namespace {
std::string lineFor(const std::string& fileName, int count) {
    return batchLine(pieceStem(fileName), batchStem(fileName), extension(fileName), count);
}
}  // namespace

TEST(NamesStems, PieceAndBatchStems) {
    EXPECT_EQ(pieceStem("README"), "RE");
    EXPECT_EQ(pieceStem("archive.tar.gz"), "archive.ta");
    EXPECT_EQ(pieceStem("movie.avi"), "movie");
    EXPECT_EQ(pieceStem("abcd"), "");
    try {
        pieceStem("abc");
        ADD_FAILURE() << "no error for a three-character name";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::kInvalidCall);
    }
    // Double-byte code pages (here Japanese, 932): characters, not bytes.
    // "ab" KATAKANA-A "x" KATAKANA-I: seven bytes, five characters.
    EXPECT_EQ(pieceStem("ab\x83\x41x\x83\x43", 932), "a");
    EXPECT_EQ(pieceStem("\x83\x41\x83\x43\x83\x45.txt", 932), "\x83\x41\x83\x43\x83\x45");
    EXPECT_THROW(pieceStem("\x83\x41\x83\x43\x83\x45", 932), platform::RuntimeError);
    EXPECT_EQ(batchStem("archive.tar.gz"), "archive");
    EXPECT_EQ(batchStem("README"), "README");
    EXPECT_EQ(extension("archive.tar.gz"), ".tar.gz");
    EXPECT_EQ(extension("README"), "");
    EXPECT_EQ(platform::joinFolder("C:\\", "x"), "C:\\x");
    EXPECT_EQ(platform::joinFolder("C:\\Data", "x"), "C:\\Data\\x");
    EXPECT_EQ(piecePath("D:\\out", "movie", 7), "D:\\out\\movie.S07");
}

TEST(NamesBatchLine, Lines) {
    EXPECT_EQ(lineFor("movie.avi", 3), "copy \"movie.S01\" /b  + \"movie.S02\" /b  + \"movie.S03\" /b \"movie.avi\"");
    EXPECT_EQ(lineFor("README", 2), "copy \"RE.S01\" /b  + \"RE.S02\" /b \"README\"");
    EXPECT_EQ(lineFor("movie.avi", 0), "copy \"movie.S01\" /b \"movie.avi\"");
    EXPECT_EQ(lineFor("100%.txt", 2), "copy \"100%%.S01\" /b  + \"100%%.S02\" /b \"100%%.txt\"");
    std::string twelve = lineFor("archive.tar.gz", 12);
    EXPECT_EQ(twelve.rfind("copy \"archive.ta.S01\" /b  + \"archive.ta.S02\" /b ", 0), 0u);
    EXPECT_NE(twelve.find(" + \"archive.ta.S09\" /b  + \"archive.ta.S10\" /b  + \"archive.ta.S11\" /b  + "
                          "\"archive.ta.S12\" /b \"archive.tar.gz\""),
              std::string::npos);
    size_t joins = 0;
    for (size_t at = twelve.find(" + "); at != std::string::npos; at = twelve.find(" + ", at + 1)) ++joins;
    EXPECT_EQ(joins, 11u);
}

TEST(NamesOem, CodePageConversion) {
    std::string oem;
    EXPECT_TRUE(ansiToOem("movie.S01", oem));
    EXPECT_EQ(oem, "movie.S01");
    UINT acp = GetACP(), oemcp = GetOEMCP();
    if (acp != 1252 || (oemcp != 437 && oemcp != 850))
        GTEST_SKIP() << "code pages " << acp << "/" << oemcp << ", the cases assume 1252 with 437 or 850";
    EXPECT_TRUE(ansiToOem("caf\xE9", oem));
    EXPECT_EQ(oem, "caf\x82");  // e acute in both OEM pages
    EXPECT_FALSE(ansiToOem("price \x80.txt", oem));  // the euro sign has no OEM form
    // A tilde is in cp850 only; cp437's best fit would write a plain A, naming another file.
    if (oemcp == 437) {
        EXPECT_FALSE(ansiToOem("\xC3", oem));
    } else {
        EXPECT_TRUE(ansiToOem("\xC3", oem));
        EXPECT_EQ(oem, "\xC7");
    }
}

TEST(NamesClash, InputNamedLikeItsOutputs) {
    EXPECT_NE(inputClash("C:\\Data", "movie.S01", "C:\\Data").find("movie.S01 would be overwritten by its own piece"),
              std::string::npos);
    EXPECT_NE(inputClash("C:\\DATA\\", "Movie.s42", "c:\\data").find("own piece files"), std::string::npos);
    EXPECT_NE(inputClash("C:\\Data", "notes.bat", "C:\\Data").find("notes.bat would be overwritten by its own batch"),
              std::string::npos);
    EXPECT_NE(inputClash("C:\\", "NOTES.BAT", "c:\\").find("own batch file"), std::string::npos);
    EXPECT_EQ(inputClash("C:\\Data", "movie.S01", "C:\\Other"), "");
    EXPECT_EQ(inputClash("C:\\Data", "notes.bat", "C:\\Data\\Sub"), "");
    EXPECT_EQ(inputClash("C:\\Data", "movie.S00", "C:\\Data"), "");
    EXPECT_EQ(inputClash("C:\\Data", "movie.avi", "C:\\Data"), "");
    EXPECT_EQ(inputClash("C:\\Data", "notes.old.bat", "C:\\Data"), "");  // its batch is notes.bat
    EXPECT_EQ(inputClash("C:\\Data", "ab", "C:\\Data"), "");
}

TEST(NamesMessages, SuccessTexts) {
    EXPECT_EQ(successMessage("C:\\out\\movie.bat"), "Operation Successful!\r\nUse: C:\\out\\movie.bat to combine!");
    std::string without = successMessageWithoutBatch("C:\\out\\price.bat", "price \x80.txt");
    EXPECT_NE(without.rfind("Operation Successful!", 0), 0u);
    EXPECT_NE(without.find("C:\\out\\price.bat"), std::string::npos);
    EXPECT_NE(without.find("price \x80.txt"), std::string::npos);
}

TEST(NamesBatch, OneLineWhereItFitsSeveralWhereNot) {
    std::string text;
    ASSERT_TRUE(batchFileText("movie", "movie", ".avi", 3, text));
    EXPECT_EQ(text, "copy \"movie.S01\" /b  + \"movie.S02\" /b  + \"movie.S03\" /b \"movie.avi\"\r\n");

    // A short limit shows the layout of a batch file too long for one line.
    ASSERT_TRUE(batchFileText("m%", "m%", ".avi", 5, text, 50));
    EXPECT_EQ(text,
              "copy \"m%%.S01\" /b  + \"m%%.S02\" /b \"m%%.avi\"\r\n"
              "copy \"m%%.avi\" /b  + \"m%%.S03\" /b \"m%%.avi\"\r\n"
              "copy \"m%%.avi\" /b  + \"m%%.S04\" /b \"m%%.avi\"\r\n"
              "copy \"m%%.avi\" /b  + \"m%%.S05\" /b \"m%%.avi\"\r\n");

    // No OEM form for the euro sign: no text at all.
    EXPECT_FALSE(batchFileText("price \x80", "price \x80", ".txt", 2, text));
    EXPECT_EQ(text, "");
}
