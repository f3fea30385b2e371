// The settings file beside the program, or the user's where that one cannot be
// written: saving, loading and the start-up reader.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/support/splitter_window.h"
#include "platform/program.h"
#include "settings/settings_file.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {
// The program's settings files, beside it and the user's, removed before and after each test.
struct SettingsFile {
    std::string path = settings::settingsPath(), user = settings::userSettingsPath();
    SettingsFile() { SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL), remove(); }
    ~SettingsFile() { remove(); }
    void remove() const { DeleteFileA(path.c_str()), DeleteFileA(user.c_str()); }
    void write(const std::string& text) const { writeFile(path, text); }
};
}  // namespace

TEST(Settings, LivesBesideTheProgram) {
    // Beside the program whatever the working folder: the test program here.
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string besideExe = exe;
    besideExe = besideExe.substr(0, besideExe.rfind('\\') + 1) + "cleav.ini";
    SettingsFile ini;
    TempDir dir;
    SplitterWindow win(dir.path());
    win.w().mnuSaveINI_Click();
    EXPECT_TRUE(fileExists(besideExe));
    EXPECT_FALSE(fileExists(dir / "cleav.ini"));

    // A hard link at the name: the settings take the name, the document it led to keeps its bytes.
    const std::string notes = besideExe.substr(0, besideExe.rfind('\\')) + "\\notes.txt";
    writeFile(notes, "the user's notes");
    DeleteFileA(besideExe.c_str());
    ASSERT_TRUE(CreateHardLinkA(besideExe.c_str(), notes.c_str(), nullptr));
    win.w().mnuSaveINI_Click();
    EXPECT_EQ(readFile(notes), "the user's notes");
    EXPECT_NE(readFile(besideExe), "the user's notes");
    DeleteFileA(notes.c_str());
}

TEST(Settings, SaveInEachPhase) {
    SettingsFile ini;
    TempDir dir;
    writeFile(dir / "movie.avi", "frames");
    CreateDirectoryA((dir / "out").c_str(), nullptr);
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    const std::string drive = w.CleavDrive.drive();

    w.mnuSaveINI_Click();
    EXPECT_EQ(readFile(ini.path), drive + "\r\n" + dir.path() + "\r\nmovie.avi\r\n\r\n\r\n3\r\n1\r\n0\r\n");
    ASSERT_EQ(win.boxes.shown.size(), 1u);
    EXPECT_EQ(win.boxes.shown[0].text, "Your settings have been saved!\r\n\r\nSettings file: " + ini.path);
    EXPECT_EQ(win.boxes.shown[0].style & kIconMask, kInformationIcon);

    // In the output-choice phase lines 4 and 5 take the lists; 1 to 3 stay as
    // the move to that phase recorded them.
    w.cmdSPlit.click();
    w.cleavDir.setPath(dir / "out");
    w.optSplitTypeButton[2].setValue(true);
    w.mnuSaveINI_Click();
    EXPECT_EQ(readFile(ini.path), drive + "\r\n" + dir.path() + "\r\nmovie.avi\r\n" + drive + "\r\n" +
                                      (dir / "out") + "\r\n2\r\n2\r\n0\r\n");
}

TEST(Settings, StartUpComesBackOnTheSavedChoices) {
    SettingsFile ini;
    TempDir start, saved;
    writeFile(start / "elsewhere.txt", "x");
    writeFile(saved / "a.txt", "a");
    writeFile(saved / "b.txt", "bbb");
    std::string drive = platform::DriveList::driveText(static_cast<char>(tolower(saved.path()[0])));
    ini.write(drive + "\r\n" + saved.path() + "\r\nb.txt\r\n\r\n\r\n1\r\n1,000\r\n2\r\n");

    SplitterWindow win(start.path());
    frmSplitter& w = win.w();
    EXPECT_EQ(w.cleavDir.path(), saved.path());
    EXPECT_EQ(w.fiInFile.path(), saved.path());
    EXPECT_EQ(w.fiInFile.fileName(), "b.txt");
    EXPECT_EQ(w.state().inFileName, "b.txt");
    EXPECT_EQ(w.optSplitType.selected(), 1);
    EXPECT_EQ(w.optBytes.selected(), 2);
    EXPECT_EQ(w.state().unitIndex, 2);
    EXPECT_EQ(w.state().settingsOut.splitType, "1");
    EXPECT_EQ(w.state().settingsOut.sizeOrCount, "1,000");
    EXPECT_EQ(w.state().settingsOut.unit, "2");
    EXPECT_EQ(w.txtByteSize.text(), "1000");  // the reader leaves the box alone
    EXPECT_EQ(w.state().settingsIn.inputFile, "b.txt");
    EXPECT_TRUE(win.boxes.shown.empty());
}

TEST(Settings, StartUpReadsNamesWrittenInUtf8AndByEarlierVersionsInTheSystemCodePage) {
    SettingsFile ini;
    TempDir start, saved;
    writeFile(start / "elsewhere.txt", "x");
    // The same names as this version writes them (UTF-8) and as an earlier
    // one did (cp1252, where e-acute is one byte); a Japanese name has only the first.
    const struct {
        std::string folder, file, stored;
    } cases[] = {
        {u8"café", u8"Ünï.txt", "caf\xE9\r\n\xDCn\xEF.txt"},
        {u8"café", u8"Ünï.txt", u8"café\r\nÜnï.txt"},
        {u8"東京", u8"タワー.mp4", u8"東京\r\nタワー.mp4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        const std::string folder = saved / c.folder;
        CreateDirectoryA(folder.c_str(), nullptr);
        writeFile(folder + "\\" + c.file, "abc");
        writeFile(folder + "\\other.txt", "x");
        std::string drive = platform::DriveList::driveText(static_cast<char>(tolower(saved.path()[0])));
        const std::string stored = c.stored.substr(0, c.stored.find('\r'));
        ini.write(drive + "\r\n" + saved.path() + "\\" + stored + "\r\n" + c.stored.substr(c.stored.find('\n') + 1) +
                  "\r\n\r\n\r\n1\r\n1,000\r\n2\r\n");
        SplitterWindow win(start.path());
        EXPECT_EQ(win.w().cleavDir.path(), folder);
        EXPECT_EQ(win.w().state().inFileName, c.file);
        EXPECT_TRUE(win.boxes.shown.empty());
    }
}

TEST(Settings, StartUpPassesOverAShortOrOddFile) {
    SettingsFile ini;
    TempDir start, saved;
    writeFile(start / "here.txt", "x");
    writeFile(saved / "only.txt", "o");
    std::string drive = platform::DriveList::driveText(static_cast<char>(tolower(saved.path()[0])));
    // Three lines only: the input is applied, the type stays "&Zip size".
    ini.write(drive + "\r\n" + saved.path() + "\r\nonly.txt\r\n");
    {
        SplitterWindow win(start.path());
        EXPECT_EQ(win->cleavDir.path(), saved.path());
        EXPECT_EQ(win->state().inFileName, "only.txt");
        EXPECT_EQ(win->optSplitType.selected(), 3);
        EXPECT_EQ(win->state().settingsOut.splitType, "3");
        EXPECT_TRUE(win.boxes.shown.empty());
        EXPECT_EQ(programEnds(), 0);
    }
    // A folder that is gone and a type out of range: the lists stay, no button.
    ini.write(drive + "\r\n" + (saved / "gone") + "\r\nonly.txt\r\n\r\n\r\n12\r\n\r\n\r\n");
    SplitterWindow win(start.path());
    EXPECT_EQ(win->cleavDir.path(), start.path());
    EXPECT_EQ(win->state().inFileName, "here.txt");
    EXPECT_EQ(win->state().settingsOut.splitType, "12");
    EXPECT_TRUE(win.boxes.shown.empty());
}

TEST(Settings, LoadInTheOutputPhaseLeavesTheFileList) {
    SettingsFile ini;
    TempDir dir, out;
    writeFile(dir / "in.bin", "input");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    w.cmdSPlit.click();

    std::string drive = platform::DriveList::driveText(static_cast<char>(tolower(out.path()[0])));
    ini.write(drive + "\r\n" + dir.path() + "\r\nIN.BIN\r\n" + drive + "\r\n" + out.path() + "\r\n2\r\n17\r\n0\r\n");
    w.mnuLoadINI_Click();
    EXPECT_EQ(w.cleavDir.path(), out.path());
    // The file list stays hidden and the chosen input stays chosen.
    EXPECT_FALSE(w.fiInFile.visible());
    EXPECT_EQ(w.state().inDirPath, dir.path());
    EXPECT_EQ(w.state().inFileName, "in.bin");
    EXPECT_EQ(w.optSplitType.selected(), 2);
    EXPECT_EQ(w.cboEqualNumber.text(), "17");
    ASSERT_FALSE(win.boxes.shown.empty());
    EXPECT_EQ(win.boxes.shown.back().text, "Your settings have been loaded!\r\n\r\nSettings file: " + ini.path);

    // Back in the file-choice phase a name that differs in case selects nothing.
    win.backToTheFileChoice();
    w.mnuLoadINI_Click();
    EXPECT_EQ(w.fiInFile.path(), dir.path());
    EXPECT_EQ(w.fiInFile.listIndex(), -1);
}

TEST(Settings, LoadNamesEachLineItCannotApplyAndSaveSaysWhenItCannotWrite) {
    SettingsFile ini;
    TempDir dir;
    writeFile(dir / "in.bin", "input");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    const std::string drive = w.CleavDrive.drive();

    // A drive that is not there, a good folder, a split type of letters, a
    // binary byte, and only seven lines.
    ini.write("q: [NOWHERE]\r\n" + dir.path() + "\r\nin.bin\r\n\r\n\r\nabc\x01\r\n17\r\n");
    w.mnuLoadINI_Click();
    ASSERT_EQ(win.boxes.shown.size(), 1u);
    const ShownBox& load = win.boxes.shown[0];
    EXPECT_EQ(load.text, "Some settings in the file " + ini.path + " could not be applied:\r\n"
                         "  line 8 is missing\r\n"
                         "  line 1 \"q: [NOWHERE]\": Device unavailable\r\n"
                         "  line 6 \"abc?\": Type mismatch\r\n"
                         "The other settings were loaded. Choose Save Settings to write the file anew.");
    EXPECT_EQ(load.style & kIconMask, kExclamationIcon);
    // What could be applied was, and the window goes on as before.
    EXPECT_EQ(w.CleavDrive.drive(), drive);
    EXPECT_EQ(w.fiInFile.path(), dir.path());
    EXPECT_EQ(w.fiInFile.fileName(), "in.bin");
    EXPECT_EQ(programEnds(), 0);

    // Where a folder or a read-only file holds the name beside the program,
    // the user's file takes the settings, and the next start reads them;
    // where the user's cannot be written either, both are named.
    TempDir elsewhere;
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "a read-only file" : "a folder");
        DeleteFileA(ini.user.c_str());
        if (readOnly) {
            RemoveDirectoryA(ini.path.c_str());
            ini.write("old\r\n");
            SetFileAttributesA(ini.path.c_str(), FILE_ATTRIBUTE_READONLY);
        } else {
            DeleteFileA(ini.path.c_str());
            ASSERT_TRUE(CreateDirectoryA(ini.path.c_str(), nullptr));
        }
        {
            SplitterWindow saving(dir.path());
            saving->mnuSaveINI_Click();
            EXPECT_EQ(saving.boxes.texts().back(), "Your settings have been saved!\r\n\r\nSettings file: " + ini.user);
        }
        SplitterWindow again(elsewhere.path());
        EXPECT_EQ(again->cleavDir.path(), dir.path());
        if (readOnly) continue;
        DeleteFileA(ini.user.c_str());
        CreateDirectoryA(ini.user.c_str(), nullptr);
        again->mnuSaveINI_Click();
        RemoveDirectoryA(ini.user.c_str());
        EXPECT_EQ(again.boxes.texts().back(), "Your settings could not be saved:\r\n  " + ini.path +
                                                  ": Permission denied\r\n  " + ini.user +
                                                  ": Permission denied\r\nChoose Save Settings again once one of "
                                                  "these files can be written.");
        EXPECT_EQ(again.boxes.shown.back().style & kIconMask, kCriticalIcon);
    }
    SetFileAttributesA(ini.path.c_str(), FILE_ATTRIBUTE_NORMAL);
}
