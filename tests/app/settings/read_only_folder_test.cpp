// The settings of a copy installed where it cannot write. This program runs
// from a copy of itself in a folder nobody may write, root included
// (read_only_folder.sh mounts it read-only), as Program Files is to a user.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include "app/support/splitter_window.h"
#include "platform/program.h"
#include "support/temp_dir.h"

using namespace testing_support;

TEST(ReadOnlyProgramFolder, SettingsGoToTheUsersFolderAndStartUpReadsThemBack) {
    const std::string beside = platform::programFolder() + "\\cleav.ini";
    ASSERT_EQ(CreateFileA(beside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr),
              INVALID_HANDLE_VALUE)
        << "the program's folder can be written: run this through read_only_folder.sh";
    char appData[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData), S_OK);
    const std::string folder = std::string(appData) + "\\Cleavo", ini = folder + "\\cleav.ini";
    struct Gone {
        std::string ini, folder;
        ~Gone() { DeleteFileA(ini.c_str()), RemoveDirectoryA(folder.c_str()); }
    } gone{ini, folder};
    RemoveDirectoryA(folder.c_str());
    ASSERT_FALSE(fileExists(ini));

    TempDir dir, start;
    writeFile(dir / "a.txt", "a");
    writeFile(dir / "movie.avi", "frames");
    writeFile(start / "elsewhere.txt", "x");
    {
        SplitterWindow win(dir.path());
        win.chooseFile(dir.path(), "movie.avi");
        win->optSplitTypeButton[0].setValue(true);
        win->mnuSaveINI_Click();
        ASSERT_EQ(win.boxes.texts(),
                  std::vector<std::string>{"Your settings have been saved!\r\n\r\nSettings file: " + ini});
        EXPECT_EQ(readFile(ini),
                  win->CleavDrive.drive() + "\r\n" + dir.path() + "\r\nmovie.avi\r\n\r\n\r\n0\r\n1\r\n0\r\n");
    }
    SplitterWindow win(start.path());
    EXPECT_EQ(win->state().inDirPath, dir.path());
    EXPECT_EQ(win->state().inFileName, "movie.avi");
    EXPECT_EQ(win->optSplitType.selected(), 0);
    win->mnuLoadINI_Click();
    EXPECT_EQ(win.boxes.texts(),
              std::vector<std::string>{"Your settings have been loaded!\r\n\r\nSettings file: " + ini});
}
