// A file chosen from outside the lists: dropped on the window as Explorer
// drops it, or named on the command line as Send To and Open with name it.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include "app/run/split_files.h"
#include "platform/ansi_text.h"
#include "platform/program.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {
// A real WM_DROPFILES: an HDROP of wide paths, which the window frees.
void drop(HWND window, const std::vector<std::string>& paths) {
    std::wstring list;
    for (const std::string& p : paths) list += platform::wideFromAnsi(p).c_str() + std::wstring(1, L'\0');
    list += L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    memcpy(files + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// Each way in is refused with its box and leaves the chosen file as it was.
void expectRefusals(SplitterWindow& win, const std::vector<std::pair<std::function<void()>, std::string>>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.second);
        const std::string before = win->state().inFileName;
        win.boxes.shown.clear();
        c.first();
        ASSERT_EQ(win.boxes.texts(), std::vector<std::string>{c.second});
        EXPECT_EQ(win.boxes.shown[0].style & kIconMask, kExclamationIcon);
        EXPECT_EQ(win->state().inFileName, before);
    }
}

const char* const kOneFile = "Cleavo splits one file at a time: drop or send just one.";
const char* const kAFolder =
    " is a folder. Drop the one file to split, or open the folder in the lists and choose the file there.";
const char* const kNotAFolder = " is not a folder. Drop the folder the pieces are to go to, or choose it in the lists.";

// Splits the chosen holiday file into floppy pieces in `out`, checking the pieces.
void expectSplitInto(SplitterWindow& win, const std::string& out, const std::string& input) {
    win.boxes.shown.clear();
    win.splitInto(out);
    ASSERT_EQ(win.boxes.texts().size(), 1u);
    EXPECT_EQ(win.boxes.texts()[0], "Operation Successful!\r\nUse: " + out + "\\holiday.bat to combine!");
    EXPECT_EQ(readFile(out + "\\holiday.S01") + readFile(out + "\\holiday.S02"), input);
}
}  // namespace

TEST(FromOutside, AFileDroppedOnTheWindowIsChosenAndSplitAFolderInTheOutputPhase) {
    TempDir in, out, start;
    const std::string input = patternBytes(1457663 + 1000, 5);
    writeFile(in / "holiday.avi", input);
    writeFile(in / "a.txt", "a");
    writeFile(start / "first.txt", "1");
    SplitterWindow win(start.path());
    frmSplitter& w = win.w();
    const HWND h = w.hwnd();
    EXPECT_TRUE(GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    expectRefusals(win, {
        {[&] { drop(h, {in / "holiday.avi", in / "a.txt"}); }, kOneFile},
        {[&] { drop(h, {in.path()}); }, in.path() + kAFolder},
    });

    drop(h, {in / "holiday.avi"});
    EXPECT_EQ(w.cleavDir.path(), in.path());
    EXPECT_EQ(w.fiInFile.fileName(), "holiday.avi");
    EXPECT_EQ(w.state().inFileName, "holiday.avi");
    EXPECT_EQ(w.lblINorOUT.caption(), "Choose file to split: -->  " + (in / "holiday.avi"));
    EXPECT_EQ(w.lblStatus.caption(), "File Size is: " + grouped(static_cast<int64_t>(input.size())));

    // In the output-choice phase a folder is the output folder, and a drop
    // while the pieces are written changes nothing.
    w.optSplitTypeButton[0].setValue(true);
    w.cmdSPlit.click();
    expectRefusals(win, {{[&] { drop(h, {in / "a.txt"}); }, (in / "a.txt") + kNotAFolder}});
    drop(h, {out.path()});
    EXPECT_EQ(w.state().outDirPath, out.path());
    EXPECT_EQ(w.lblINorOUT.caption(), "Choose output folder: --> " + out.path());
    TextRecorder status(w.lblStatus.hwnd());
    status.onText = [&](const std::string& text) {
        if (text == "File 1 Done! Reading...") drop(h, {start.path()});
    };
    expectSplitInto(win, out.path(), input);
    EXPECT_EQ(w.cleavDir.path(), out.path());
}

TEST(FromOutside, AFileNamedOnTheCommandLineIsChosenAndSplit) {
    TempDir in, out, start;
    const std::string input = patternBytes(1457663 + 77, 9);
    CreateDirectoryA((in / "my videos").c_str(), nullptr);
    const std::string file = in / "my videos\\holiday.avi";
    writeFile(file, input);
    writeFile(start / "first.txt", "1");
    SplitterWindow win(start.path());
    frmSplitter& w = win.w();
    auto startWith = [&](const std::string& commandLine) {
        w.Form_Command(platform::argumentsOf(platform::wideFromAnsi(commandLine).c_str()));
    };
    // Without an argument nothing happens.
    startWith("cleavo.exe");
    EXPECT_EQ(win.boxes.texts(), std::vector<std::string>{});
    EXPECT_EQ(w.state().inFileName, "first.txt");
    expectRefusals(win, {
        {[&] { startWith("cleavo.exe \"" + (in / "gone.avi") + "\""); },
         (in / "gone.avi") + " was not found. Choose it in the lists instead."},
        {[&] { startWith("cleavo.exe \"" + (in / "my videos") + "\""); }, (in / "my videos") + kAFolder},
    });

    win.boxes.shown.clear();
    startWith("\"C:\\Program Files\\Cleavo\\cleavo.exe\" \"" + file + "\"");
    EXPECT_EQ(win.boxes.texts(), std::vector<std::string>{});
    EXPECT_EQ(w.state().inDirPath, in / "my videos");
    EXPECT_EQ(w.state().inFileName, "holiday.avi");
    EXPECT_EQ(w.lblStatus.caption(), "File Size is: " + grouped(static_cast<int64_t>(input.size())));
    w.optSplitTypeButton[0].setValue(true);
    expectSplitInto(win, out.path(), input);
}
