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
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (list.size() + 1) * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    *files = DROPFILES{sizeof(DROPFILES), {0, 0}, FALSE, TRUE};
    memcpy(files + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// The boxes one way in shows: the refusal given, or none.
void expectBoxes(SplitterWindow& win, const std::function<void()>& way, const std::string& refusal) {
    win.boxes.shown.clear();
    way();
    EXPECT_EQ(win.boxes.texts(), refusal.empty() ? std::vector<std::string>{} : std::vector<std::string>{refusal});
}

void expectSplit(SplitterWindow& win, const std::string& out, const std::string& input) {
    win.settle();
    EXPECT_EQ(win.boxes.texts().back(), "Operation Successful!\r\nUse: " + out + "\\holiday.bat to combine!");
    EXPECT_EQ(readFile(out + "\\holiday.S01") + readFile(out + "\\holiday.S02"), input);
}
}  // namespace

TEST(FromOutside, ADroppedFileIsChosenAndSplitIntoADroppedFolder) {
    TempDir in, out, start;
    const std::string input = patternBytes(1457663 + 1000, 5), file = in / "holiday.avi";
    writeFile(file, input);
    writeFile(start / "first.txt", "1");
    SplitterWindow win(start.path());
    frmSplitter& w = win.w();
    const HWND h = w.hwnd();
    expectBoxes(win, [&] { drop(h, {file, file}); }, "Cleavo splits one file at a time: drop or send just one.");
    expectBoxes(win, [&] { drop(h, {in.path()}); },
                in.path() + " is a folder. Drop the one file to split, or open the folder in the lists and choose "
                            "the file there.");
    expectBoxes(win, [&] { drop(h, {file}); }, "");
    EXPECT_EQ(w.lblINorOUT.caption(), "Choose file to split: -->  " + file);
    EXPECT_EQ(w.lblStatus.caption(), "File Size is: 1,458,663");

    w.optSplitTypeButton[0].setValue(true);
    w.cmdSPlit.click();
    expectBoxes(win, [&] { drop(h, {file}); },
                file + " is not a folder. Drop the folder the pieces are to go to, or choose it in the lists.");
    expectBoxes(win, [&] { drop(h, {out.path()}); }, "");
    EXPECT_EQ(w.cleavDir.path(), out.path());
    // A drop while the pieces are written changes nothing.
    TextRecorder status(w.lblStatus.hwnd());
    status.onText = [&](const std::string& text) {
        if (text == "File 1 Done! Reading...") drop(h, {start.path()});
    };
    w.cmdSPlit.click();
    expectSplit(win, out.path(), input);
    EXPECT_EQ(w.cleavDir.path(), out.path());
}

TEST(FromOutside, AFileNamedOnTheCommandLineIsChosenAndSplit) {
    TempDir in, out, start;
    CreateDirectoryA((in / "my videos").c_str(), nullptr);
    const std::string input = patternBytes(1457663 + 77, 9), file = in / "my videos\\holiday.avi";
    writeFile(file, input);
    writeFile(start / "first.txt", "1");
    SplitterWindow win(start.path());
    auto startWith = [&](const std::string& line) {
        win->Form_Command(platform::argumentsOf(platform::wideFromAnsi(line).c_str()));
    };
    expectBoxes(win, [&] { startWith("cleavo.exe"); }, "");
    EXPECT_EQ(win->state().inFileName, "first.txt");
    expectBoxes(win, [&] { startWith("cleavo.exe \"" + (in / "gone.avi") + "\""); },
                (in / "gone.avi") + " was not found. Choose it in the lists instead.");
    expectBoxes(win, [&] { startWith("\"C:\\Program Files\\Cleavo\\cleavo.exe\" \"" + file + "\""); }, "");
    EXPECT_EQ(win->state().inDirPath + "\\" + win->state().inFileName, file);
    EXPECT_EQ(win->lblStatus.caption(), "File Size is: 1,457,740");
    win->optSplitTypeButton[0].setValue(true);
    win.splitInto(out.path());
    expectSplit(win, out.path(), input);
}
