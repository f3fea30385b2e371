#include <gtest/gtest.h>
#include <windows.h>

#include "platform/ansi_text.h"
#include "platform/files.h"
#include "platform/runtime_error.h"
#include "split/batch.h"
#include "split/input_guard.h"
#include "split/messages.h"
#include "split/names.h"

using namespace split;

namespace {
// The batch file's copy lines, each ended by CR LF, without their common tail;
// any other line of the text begins with "set" or the line "n" set.
bool copyLines(const std::string& fileName, int count, std::string& lines, size_t maxLine = kMaxBatchLine) {
    std::string text;
    lines.clear();
    if (!batchFileText(pieceStem(fileName), batchStem(fileName), extension(fileName), fileName + ".sha256", count,
                       text, maxLine))
        return false;
    const std::string tail = " >nul\r\n";
    for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
        const std::string line = text.substr(at, end + 2 - at);
        if (line.rfind("copy ", 0) == 0 && line.size() > tail.size() && line.substr(line.size() - tail.size()) == tail)
            lines += line.substr(0, line.size() - tail.size()) + "\r\n";
        else if (line.rfind("set \"n=", 0) == 0)
            lines += line;
    }
    return true;
}
std::string lineFor(const std::string& fileName, int count) {
    std::string lines;
    EXPECT_TRUE(copyLines(fileName, count, lines));
    return lines.substr(0, lines.size() - 2);
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
    // Characters, not bytes; a character outside the Basic Multilingual
    // Plane (a surrogate pair in UTF-16) counts once and is never cut.
    const char* const stems[][2] = {
        {u8"abアxイ", "a"}, {u8"アイウ.txt", u8"アイウ"}, {u8"😀 party.zip", u8"😀 party"}, {u8"x😀abc", "x"},
        {u8"ab😀😀😀😀", "ab"}, {u8"😀abc", ""}};
    for (const auto& c : stems) EXPECT_EQ(pieceStem(c[0]), c[1]) << c[0];
    EXPECT_THROW(pieceStem(u8"アイウ"), platform::RuntimeError);
    EXPECT_THROW(pieceStem(u8"😀😀😀"), platform::RuntimeError);
    EXPECT_EQ(batchStem("archive.tar.gz"), "archive");
    EXPECT_EQ(batchStem("README"), "README");
    EXPECT_EQ(extension("archive.tar.gz"), ".tar.gz");
    EXPECT_EQ(extension("README"), "");
    EXPECT_EQ(platform::joinFolder("C:\\", "x"), "C:\\x");
    EXPECT_EQ(platform::joinFolder("C:\\Data", "x"), "C:\\Data\\x");
    EXPECT_EQ(piecePath("D:\\out", "movie", 7), "D:\\out\\movie.S07");
}

TEST(NamesBatchLine, Lines) {
    EXPECT_EQ(lineFor("movie.avi", 3),
              "copy \"movie.S01\" /b  + \"movie.S02\" /b  + \"movie.S03\" /b \"movie.avi.%r%.tmp\"");
    EXPECT_EQ(lineFor("README", 2), "copy \"RE.S01\" /b  + \"RE.S02\" /b \"README.%r%.tmp\"");
    EXPECT_EQ(lineFor("movie.avi", 0), "copy \"movie.S01\" /b \"movie.avi.%r%.tmp\"");
    EXPECT_EQ(lineFor("100%.txt", 2), "copy \"100%%.S01\" /b  + \"100%%.S02\" /b \"100%%.txt.%r%.tmp\"");
    std::string twelve = lineFor("archive.tar.gz", 12);
    EXPECT_EQ(twelve.rfind("copy \"archive.ta.S01\" /b  + \"archive.ta.S02\" /b ", 0), 0u);
    EXPECT_NE(twelve.find(" + \"archive.ta.S09\" /b  + \"archive.ta.S10\" /b  + \"archive.ta.S11\" /b  + "
                          "\"archive.ta.S12\" /b \"archive.tar.gz.%r%.tmp\""),
              std::string::npos);
    size_t joins = 0;
    for (size_t at = twelve.find(" + "); at != std::string::npos; at = twelve.find(" + ", at + 1)) ++joins;
    EXPECT_EQ(joins, 11u);
}

TEST(NamesOem, CodePageConversion) {
    std::string oem;
    EXPECT_TRUE(ansiToOem("movie.S01", oem));
    EXPECT_EQ(oem, "movie.S01");
    // The system's own OEM code page, not the process's (UTF-8 by the manifest).
    ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
    UINT oemcp = platform::systemOemCodePage();
    if (platform::systemAnsiCodePage() != 1252 || (oemcp != 437 && oemcp != 850))
        GTEST_SKIP() << "OEM code page " << oemcp << ", the cases assume 1252 with 437 or 850";
    EXPECT_TRUE(ansiToOem(u8"café", oem));
    EXPECT_EQ(oem, "caf\x82");  // e acute in both OEM pages
    EXPECT_FALSE(ansiToOem(u8"price €.txt", oem));  // the euro sign has no OEM form
    // A tilde is in cp850 only; cp437's best fit would write a plain A, naming another file.
    if (oemcp == 437) {
        EXPECT_FALSE(ansiToOem(u8"Ã", oem));
    } else {
        EXPECT_TRUE(ansiToOem(u8"Ã", oem));
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
    std::string without = successMessageWithoutBatch("C:\\out\\price.bat", u8"price €.txt");
    EXPECT_NE(without.rfind("Operation Successful!", 0), 0u);
    EXPECT_NE(without.find("C:\\out\\price.bat"), std::string::npos);
    EXPECT_NE(without.find(u8"price €.txt"), std::string::npos);
}

TEST(NamesBatch, OneLineWhereItFitsSeveralWhereNot) {
    std::string text;
    ASSERT_TRUE(copyLines("movie.avi", 3, text));
    EXPECT_EQ(text, "copy \"movie.S01\" /b  + \"movie.S02\" /b  + \"movie.S03\" /b \"movie.avi.%r%.tmp\"\r\n");

    // A short limit shows the layout of copy lines too long for one.
    ASSERT_TRUE(copyLines("m%.avi", 5, text, 70));
    EXPECT_EQ(text,
              "copy \"m%%.S01\" /b  + \"m%%.S02\" /b \"m%%.avi.%r%.tmp\"\r\n"
              "copy \"m%%.avi.%r%.tmp\" /b  + \"m%%.S03\" /b \"m%%.avi.%r%.tmp\"\r\n"
              "copy \"m%%.avi.%r%.tmp\" /b  + \"m%%.S04\" /b \"m%%.avi.%r%.tmp\"\r\n"
              "copy \"m%%.avi.%r%.tmp\" /b  + \"m%%.S05\" /b \"m%%.avi.%r%.tmp\"\r\n");

    // Where the batch file's own name has no OEM form, the lines name it
    // through the interpreter ("%~n0"); the pieces' stem is cut from it by
    // UTF-16 units where it is the shorter.
    struct SelfNamed {
        const char* file;
        const char* text;
    };
    const SelfNamed selfNamed[] = {
        {u8"東京タワー.mp4", "copy \"%~n0.S01\" /b  + \"%~n0.S02\" /b \"%~n0.mp4.%r%.tmp\"\r\n"},
        {u8"东京.tar.gz", "copy \"%~n0.ta.S01\" /b  + \"%~n0.ta.S02\" /b \"%~n0.tar.gz.%r%.tmp\"\r\n"},
        {u8"東京.7z", "set \"n=%~n0\"\r\ncopy \"%n:~0,1%.S01\" /b  + \"%n:~0,1%.S02\" /b \"%~n0.7z.%r%.tmp\"\r\n"},
        {u8"😀x.ab", "set \"n=%~n0\"\r\ncopy \"%n:~0,2%.S01\" /b  + \"%n:~0,2%.S02\" /b \"%~n0.ab.%r%.tmp\"\r\n"},
        {u8"€.b%", "copy \".S01\" /b  + \".S02\" /b \"%~n0.b%%.%r%.tmp\"\r\n"},
    };
    for (const SelfNamed& c : selfNamed) {
        ASSERT_TRUE(copyLines(c.file, 2, text)) << c.file;
        EXPECT_EQ(text, c.text) << c.file;
        // Read back as the interpreter runs it, the lines name the real files.
        const std::wstring stem = platform::wideFromAnsi(batchStem(c.file));
        const std::wstring last = expandBatchLine(platform::wideFromAnsi(text.substr(text.rfind("copy"))), stem);
        EXPECT_NE(last.find(platform::wideFromAnsi(pieceStem(c.file)) + L".S02\" /b \"" +
                            platform::wideFromAnsi(c.file) + L".%r%.tmp\""),
                  std::wstring::npos)
            << c.file;
    }
    // A name with no OEM form beyond the batch file's own, or a "%" in a
    // batch file's name without one: no text at all.
    for (const char* file : {u8"report.東京ab", u8"東京 100%.txt"}) {
        EXPECT_FALSE(copyLines(file, 2, text)) << file;
        EXPECT_EQ(text, "");
    }
}

TEST(NamesWithoutForm, AQuestionMarkOrAReplacementCharacterFromTheConversion) {
    // A lone surrogate has no form in UTF-8 either: the conversion gives U+FFFD.
    EXPECT_TRUE(platform::nameWithoutForm(platform::ansiFrom(std::wstring(L"a") + wchar_t(0xD800) + L"b.txt")));
    EXPECT_TRUE(platform::nameWithoutForm("a?b.txt"));
    EXPECT_FALSE(platform::nameWithoutForm(u8"東京タワー.mp4"));
}
