// The settings of a copy installed where it cannot write: this program runs
// from a copy of itself in a folder mounted read-only (read_only_folder.sh),
// which not even root can write, as Program Files is to a user.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include "app/support/splitter_window.h"
#include "platform/program.h"
#include "support/temp_dir.h"

using namespace testing_support;

TEST(ReadOnlyProgramFolder, SettingsGoToTheUsersFolderAndStartUpReadsThemBack) {
    ASSERT_EQ(CreateFileA((platform::programFolder() + "\\x.tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_FLAG_DELETE_ON_CLOSE, nullptr),
              INVALID_HANDLE_VALUE)
        << "the program's folder can be written: run this through read_only_folder.sh";
    char appData[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData), S_OK);
    const std::string ini = std::string(appData) + "\\Cleavo\\cleav.ini";
    TempDir dir, start;
    writeFile(dir / "movie.avi", "frames");
    {
        SplitterWindow win(dir.path());
        win->optSplitTypeButton[0].setValue(true);
        win->mnuSaveINI_Click();
        EXPECT_EQ(win.boxes.texts().back(), "Your settings have been saved!\r\n\r\nSettings file: " + ini);
    }
    SplitterWindow win(start.path());
    EXPECT_EQ(win->state().inDirPath + "\\" + win->state().inFileName, dir / "movie.avi");
    EXPECT_EQ(win->optSplitType.selected(), 0);
    win->mnuLoadINI_Click();
    EXPECT_EQ(win.boxes.texts().back(), "Your settings have been loaded!\r\n\r\nSettings file: " + ini);
    DeleteFileA(ini.c_str());
    RemoveDirectoryA((std::string(appData) + "\\Cleavo").c_str());
}
