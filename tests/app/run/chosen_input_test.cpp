// The chosen input through a whole run: held against writers, checked before
// success, refused without ending the program when it is gone, and measured
// (or reported once) whatever its path.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/run/split_files.h"
#include "app/support/splitter_window.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

std::wstring wide(const std::string& s) {
    std::wstring w(s.size(), L'\0');
    w.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), &w[0],
                                                     static_cast<int>(w.size()))));
    return w;
}

// Opens a file as another program would; the handle, or why it failed.
struct OpenAttempt {
    HANDLE handle;
    DWORD error;
    OpenAttempt(const std::string& path, DWORD access)
        : handle(CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)),
          error(GetLastError()) {}
    ~OpenAttempt() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
    bool opened() const { return handle != INVALID_HANDLE_VALUE; }
};

const char* const kPauseText = "Click OK to continue Cleaving!";

}  // namespace

TEST(ChosenInput, OthersMayReadButNotChangeItWhileTheRunHoldsIt) {
    TempDir in, out, outTouched;
    const std::string input = patternBytes(9000, 71);
    writeFile(in / "film.avi", input);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    w.chkPause.setValue(1);

    // At each pause another program tries to shorten, grow and read the input.
    std::vector<DWORD> writeErrors;
    std::string readBack;
    win.boxes.whileShown = [&](const ShownBox& box) {
        if (box.text.rfind(kPauseText, 0) != 0) return;
        OpenAttempt writer(in / "film.avi", GENERIC_WRITE);
        writeErrors.push_back(writer.opened() ? 0 : writer.error);
        if (writer.opened()) {
            SetFilePointer(writer.handle, 100, nullptr, FILE_BEGIN);
            SetEndOfFile(writer.handle);
        }
        OpenAttempt reader(in / "film.avi", GENERIC_READ);
        char buf[16] = {};
        DWORD got = 0;
        if (reader.opened() && ReadFile(reader.handle, buf, sizeof buf, &got, nullptr)) readBack.assign(buf, got);
    };
    win.chooseFile(in.path(), "film.avi");
    chooseIntoYFiles(w, "3");
    win.splitInto(out.path());

    EXPECT_EQ(writeErrors, (std::vector<DWORD>{ERROR_SHARING_VIOLATION, ERROR_SHARING_VIOLATION}));
    EXPECT_EQ(readBack, input.substr(0, 16));
    EXPECT_EQ(win.boxes.texts().back(), "Operation Successful!\r\nUse: " + out.path() + "\\film.bat to combine!");
    EXPECT_EQ(readFile(in / "film.avi"), input);
    EXPECT_EQ(runBatch(out.path(), "film.bat"), 0);
    EXPECT_EQ(readFile(out / "film.avi"), input);

    // What can still change under the run (its time stamp, as a program
    // rewriting the file in place would leave it) is caught before success.
    win.boxes.shown.clear();
    win.boxes.whileShown = [&](const ShownBox& box) {
        if (box.text.rfind(kPauseText, 0) != 0) return;
        OpenAttempt toucher(in / "film.avi", FILE_WRITE_ATTRIBUTES);
        ASSERT_TRUE(toucher.opened()) << toucher.error;
        FILETIME later;
        GetSystemTimeAsFileTime(&later);
        later.dwHighDateTime += 1;
        ASSERT_TRUE(SetFileTime(toucher.handle, nullptr, nullptr, &later));
    };
    ASSERT_EQ(w.state().pauseFlag, 1);  // the reset after a split keeps the Pause box, and its flag follows it
    win.chooseFile(in.path(), "film.avi");
    chooseIntoYFiles(w, "3");
    win.splitInto(outTouched.path());
    ASSERT_FALSE(win.boxes.shown.empty());
    const ShownBox& last = win.boxes.shown.back();
    EXPECT_EQ(last.text, "The file " + (in / "film.avi") +
                             " changed while it was being split: the pieces do not hold it, and no batch file was "
                             "written.\r\nSplit the file again once nothing else is writing to it.");
    EXPECT_EQ(last.style & kIconMask, kCriticalIcon);
    EXPECT_FALSE(anyBoxSays(win.boxes.shown, "Operation Successful!"));
    EXPECT_FALSE(fileExists(outTouched / "film.bat"));
    EXPECT_TRUE(w.cmdSPlit.enabled());
    EXPECT_EQ(readFile(in / "film.avi"), input);
}

TEST(ChosenInput, ShortenedBeforeTheFirstPieceIsNoSuccess) {
    // A file over 1,004,318,710 bytes is questioned before the first piece;
    // it is shortened while the question is open.
    ULARGE_INTEGER available = {}, total = {}, totalFree = {};
    GetDiskFreeSpaceExA("C:\\", &available, &total, &totalFree);
    if (available.QuadPart < 2ull * 1024 * 1024 * 1024) GTEST_SKIP() << "less than 2 GiB free on C:";
    TempDir in, out;
    const uint64_t size = 1004318712;
    makeSparseFile(in / "disk.img", size);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    win.boxes.whileShown = [&](const ShownBox& box) {
        if (box.text.rfind("Is the size correct: ", 0) != 0) return;
        HANDLE h = CreateFileA((in / "disk.img").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        SetFilePointer(h, 5000, nullptr, FILE_BEGIN);
        SetEndOfFile(h);
        CloseHandle(h);
    };
    win.boxes.answers.push_back(IDYES);
    win.chooseFile(in.path(), "disk.img");
    chooseIntoYFiles(w, "2");
    win.splitInto(out.path());

    ASSERT_EQ(win.boxes.shown.size(), 2u);
    EXPECT_EQ(win.boxes.shown[1].text.rfind("The file " + (in / "disk.img") + " changed while it was being split", 0),
              0u)
        << win.boxes.shown[1].text;
    EXPECT_FALSE(fileExists(out / "disk.bat"));
    EXPECT_FALSE(fileExists(out / "disk.sh"));
    EXPECT_EQ(w.cmdSPlit.caption(), "&Split files now!");
}

TEST(ChosenInput, GoneBeforeTheSplitIsARefusalAndAnotherFileSplits) {
    TempDir in, elsewhere, out;
    writeFile(in / "moved.dat", patternBytes(4000, 72));
    const std::string other = patternBytes(6000, 73);
    writeFile(in / "other.dat", other);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    win.chooseFile(in.path(), "moved.dat");
    chooseIntoYFiles(w, "2");
    w.cmdSPlit.click();
    w.cleavDir.setPath(out.path());
    ASSERT_TRUE(MoveFileA((in / "moved.dat").c_str(), (elsewhere / "moved.dat").c_str()));
    w.cmdSPlit.click();
    win.settle();

    // The library says it cannot open the file; the program goes on.
    ASSERT_EQ(win.libraryBoxes.seen().size(), 1u);
    EXPECT_EQ(win.libraryBoxes.seen()[0].caption, "Cannot Open:");
    EXPECT_EQ(win.libraryBoxes.seen()[0].text, in / "moved.dat");
    // Shown on the window's thread, it is the window's own modal box.
    EXPECT_EQ(win.libraryBoxes.seen()[0].owner, w.hwnd());
    EXPECT_FALSE(win.libraryBoxes.seen()[0].ownerEnabled);
    EXPECT_TRUE(win.boxes.shown.empty()) << win.boxes.shown[0].text;
    EXPECT_EQ(programEnds(), 0);
    EXPECT_TRUE(filesIn(out.path()).empty());
    EXPECT_TRUE(choosingAFile(w));

    win.chooseFile(in.path(), "other.dat");
    chooseIntoYFiles(w, "2");
    win.splitInto(out.path());
    EXPECT_EQ(win.boxes.texts(),
              std::vector<std::string>{"Operation Successful!\r\nUse: " + out.path() + "\\other.bat to combine!"});
    EXPECT_EQ(readFile(out / "other.S01") + readFile(out / "other.S02"), other);
    EXPECT_EQ(readFile(in / "other.dat"), other);
}

TEST(ChosenInput, LongPathsAndNamesOfAnotherScriptAreMeasured) {
    // A folder whose files' full paths pass 260 characters, and one file whose
    // name has no form in the system's Western code page.
    TempDir base;
    const std::string folder = base / std::string(180, 'f');
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    // Names the temp folder's own clean-up cannot reach; removed here.
    struct Made {
        std::vector<std::wstring> paths;
        ~Made() {
            for (const std::wstring& p : paths) DeleteFileW(p.c_str());
        }
    } made;
    for (int i = 0; i < 8; ++i) {
        std::string path = folder + "\\" + std::string(90, static_cast<char>('a' + i)) + ".txt";
        ASSERT_GT(path.size(), 260u);
        made.paths.push_back(L"\\\\?\\" + wide(path));
        HANDLE h = CreateFileW(made.paths.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
        DWORD put = 0;
        WriteFile(h, "12345678901", static_cast<DWORD>(i + 3), &put, nullptr);
        CloseHandle(h);
    }
    made.paths.push_back(L"\\\\?\\" + wide(folder) + L"\\zz\x0444\x0430\x0439\x043B.txt");
    HANDLE h = CreateFileW(made.paths.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);

    SplitterWindow win(base.path());
    frmSplitter& w = win.w();
    w.cleavDir.setPath(folder);
    ASSERT_EQ(w.fiInFile.count(), 9);
    EXPECT_TRUE(win.boxes.shown.empty()) << win.boxes.shown[0].text;
    EXPECT_EQ(w.lblStatus.caption(), "File Size is: 3");
    w.fiInFile.setListIndex(7);
    EXPECT_EQ(w.lblStatus.caption(), "File Size is: 10");
    EXPECT_TRUE(win.boxes.shown.empty()) << win.boxes.shown[0].text;

    // The program speaks UTF-8: a name of another script is listed and
    // measured under its own name (the system's own code page is tried by
    // the SystemCodePage tests).
    w.fiInFile.setListIndex(8);
    EXPECT_EQ(w.fiInFile.fileName(), u8"zzфайл.txt");
    EXPECT_EQ(w.lblStatus.caption(), "File Size is: 0");
    EXPECT_TRUE(win.boxes.shown.empty()) << win.boxes.shown[0].text;
}
