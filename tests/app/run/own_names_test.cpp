// A split removes or replaces only the names it writes: whatever else lies
// in the folder, whatever its text, links and the input keep their bytes.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/run/split_files.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {
enum How { kPlain, kReadOnly, kHeld, kHeldDeletable, kLinkToDoc, kLinkToInput };
struct Laid {
    std::string name, text;
    How how = kPlain;
};
// Lines of a checksum file or batch file naming pieces and the file they rebuild.
std::string sums(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names) text += std::string(64, 'c') + "  " + n + "\n";
    return text;
}
std::string copyLine(const std::string& stem, int pieces, const std::string& target) {
    std::string line = "copy ";
    for (int n = 1; n <= pieces; ++n) line += (n > 1 ? " + \"" : "\"") + pieceName(stem, n) + "\" /b ";
    return line + "\"" + target + "\"\r\n";
}
}  // namespace

TEST(OwnNames, OnlyTheSplitsOwnNamesAreRemovedOrReplaced) {
    const std::string hash(64, 'c');
    const std::string question = "The folder %D already holds the pieces of ";
    const struct Row {
        const char* what;
        std::string input;
        bool inputBeside;  // in the output folder, else in another
        std::vector<Laid> laid;
        std::vector<int> answers;  // OK at each pause, Yes or No to each question
        std::vector<std::string> boxes;  // the texts shown; one ending in "~" only begins so
        std::vector<std::string> replaced;
    } rows[] = {
        {"a read-only list of the user's names this run's pieces", "film.avi", true,
         {{"film old.sha256", sums({"film.S01", "film.S02", "film.S03", "film.avi"}), kReadOnly}},
         {platform::kAnswerOk, platform::kAnswerOk}, {"Click OK~", "Click OK~", "Operation Successful!~"}, {}},
        {"the same list held open", "film.avi", true,
         {{"film old.sha256", sums({"film.S01", "film.S02", "film.S03", "film.avi"}), kHeld}},
         {platform::kAnswerOk, platform::kAnswerOk}, {"Click OK~", "Click OK~", "Operation Successful!~"}, {}},
        {"the input is a script naming another split's pieces", "build.release.bat", true,
         {{"build.bat", copyLine("build", 2, "build.zip")}, {"build.S01", "1"}, {"build.S02", "2"}},
         {platform::kAnswerYes},
         {question + "build.zip. Replace them with the pieces of build.release.bat?" + kWholeSplitGoes,
          "Operation Successful!~"},
         {"build.bat"}},
        {"scripts and lists of the user's at other names", "movie.avi", true,
         {{"join movie.bat", copyLine("movie", 3, "movie.avi")},
          {"movie - Copy.sha256", sums({"movie.S01", "movie.S02", "movie.S03", "movie.avi"})}},
         {}, {"Operation Successful!~"}, {}},
        {"two other owners, No", "clip.avi", false,
         {{"clip.bat", copyLine("clip", 2, "clip.mkv")}, {"clip.mp4.sha256", sums({"clip.S01", "clip.S02", "clip.mp4"})},
          {"clip.S01", "1"}, {"clip.S02", "2"}},
         {platform::kAnswerNo},
         {question + "clip.mkv and clip.mp4. Replace them with the pieces of clip.avi?" + kWholeSplitGoes}, {}},
        {"two other owners, Yes", "clip.avi", false,
         {{"clip.bat", copyLine("clip", 2, "clip.mkv")}, {"clip.mp4.sha256", sums({"clip.S01", "clip.S02", "clip.mp4"})},
          {"clip.S01", "1"}, {"clip.S02", "2"}},
         {platform::kAnswerYes},
         {question + "clip.mkv and clip.mp4. Replace them with the pieces of clip.avi?" + kWholeSplitGoes,
          "Operation Successful!~"},
         {"clip.bat", "clip.mp4.sha256", "clip.S01", "clip.S02"}},
        {"links at the names to documents elsewhere", "movie.avi", false,
         {{"movie.S01", "thesis", kLinkToDoc}, {"movie.bat", "tool", kLinkToDoc}},
         {platform::kAnswerYes},
         {"The folder %D holds files that are not from a split of movie.avi:~", "Operation Successful!~"},
         {"movie.S01", "movie.bat"}},
        // A list at another name, or a batch file at the split's name that
        // joins other files, is the user's: neither makes film.S01 a piece.
        {"a user's piece named by a list of theirs, and their batch file", "film.avi", false,
         {{"film.S01", "mine"}, {"film - Copy.sha256", sums({"film.S01", "film.S02", "film.S03", "film.avi"})},
          {"film.bat", "copy \"intro.mpg\" /b + \"main.mpg\" /b \"film.avi\"\r\n"}},
         {platform::kAnswerNo},
         {"The folder %D holds files that are not from a split of film.avi:\r\n    film.bat\r\n    film.S01\r\n"
          "The split of film.avi would replace them. Replace them?"}, {}},
        {"an earlier split's piece that is read-only", "film.avi", false,
         {{"film.bat", copyLine("film", 4, "film.avi")}, {"film.S01", "1"}, {"film.S02", "2"}, {"film.S03", "3"},
          {"film.S04", "4", kReadOnly}},
         {}, {"The file %D\\film.S04 must go before this split begins, as part of an earlier split at its names, but "
              "it could not be removed: it is read-only.~"}, {}},
        {"an earlier split's piece held open", "film.avi", false,
         {{"film.bat", copyLine("film", 4, "film.avi")}, {"film.S04", "4", kHeld}},
         {}, {"The file %D\\film.S04 must go before this split begins, as part of an earlier split at its names, but "
              "it could not be removed: another program holds it open.~"}, {}},
        {"an earlier split's piece held open, its deletion allowed", "film.avi", false,
         {{"film.bat", copyLine("film", 4, "film.avi")}, {"film.S02", "2", kHeldDeletable}},
         {}, {"The file %D\\film.S02 was removed, but another program still holds it open, so its name stays taken.~"},
         {"film.bat", "film.S02"}},
        {"the input through a hard link at the batch file's name", "notes.txt", false,
         {{"notes.bat", "", kLinkToInput}}, {},
         {"The file notes.txt would be overwritten by its own batch file.\r\nChoose another output folder or rename "
          "the file."}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempDir out, other, docs;
        const std::string inDir = row.inputBeside ? out.path() : other.path();
        const std::string input = patternBytes(3000, 90);
        writeFile(inDir + "\\" + row.input, input);
        std::vector<HANDLE> held;
        for (const Laid& f : row.laid) {
            const std::string path = out / f.name, doc = docs / (f.text + ".doc");
            if (f.how == kLinkToDoc) writeFile(doc, "the user's " + f.text);
            const std::string target = f.how == kLinkToInput ? inDir + "\\" + row.input : doc;
            bool made = true;
            if (f.how == kLinkToDoc || f.how == kLinkToInput) made = CreateHardLinkA(path.c_str(), target.c_str(), nullptr);
            else writeFile(path, f.text);
            ASSERT_TRUE(made) << f.name;
            if (f.how == kReadOnly) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
            if (f.how == kHeld || f.how == kHeldDeletable)
                held.push_back(CreateFileA(path.c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | (f.how == kHeld ? 0 : FILE_SHARE_WRITE | FILE_SHARE_DELETE), nullptr,
                                           OPEN_EXISTING, 0, nullptr));
            Sleep(20);  // records written one after the other, as splits write them
        }
        SplitterWindow win(inDir);
        win.boxes.answers.assign(row.answers.begin(), row.answers.end());
        win.chooseFile(inDir, row.input);
        chooseIntoYFiles(win.w(), "3");
        win.w().chkPause.setValue(row.boxes[0].rfind("Click OK", 0) == 0);
        win.splitInto(out.path());
        for (HANDLE h : held) CloseHandle(h);

        const std::vector<std::string> shown = win.boxes.texts();
        ASSERT_EQ(shown.size(), row.boxes.size()) << (shown.empty() ? "" : shown.back());
        for (size_t i = 0; i < shown.size(); ++i) {
            std::string want = row.boxes[i];
            if (want.find("%D") != std::string::npos) want.replace(want.find("%D"), 2, out.path());
            if (want.back() != '~') {
                EXPECT_EQ(shown[i], want);
            } else {
                EXPECT_EQ(shown[i].rfind(want.substr(0, want.size() - 1), 0), 0u) << shown[i];
            }
        }
        EXPECT_EQ(readFile(inDir + "\\" + row.input), input);
        for (const Laid& f : row.laid) {
            if (f.how == kLinkToDoc) {
                EXPECT_EQ(readFile(docs / (f.text + ".doc")), "the user's " + f.text) << f.name;
            }
            const bool replaced = std::find(row.replaced.begin(), row.replaced.end(), f.name) != row.replaced.end();
            if (!replaced && f.how != kLinkToInput) {
                EXPECT_EQ(readFile(out / f.name), f.text) << f.name;
            } else if (replaced && fileExists(out / f.name)) {
                EXPECT_NE(readFile(out / f.name), f.text) << f.name;  // nothing of a replaced split stays
            }
            SetFileAttributesA((out / f.name).c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        const std::string stem = row.input.substr(0, row.input.size() - 4);
        if (shown.back().rfind("Operation Successful!", 0) == 0) {
            EXPECT_EQ(readFile(out / pieceName(stem, 1)) + readFile(out / pieceName(stem, 2)) +
                          readFile(out / pieceName(stem, 3)), input);
        } else {
            for (const std::string& name : filesIn(out.path()))  // nothing written
                EXPECT_TRUE(name == row.input || std::any_of(row.laid.begin(), row.laid.end(),
                                                             [&](const Laid& f) { return f.name == name; }))
                    << name;
        }
    }
}
