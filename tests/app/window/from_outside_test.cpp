// A file chosen from outside the lists: dropped on the window as Explorer
// drops it, or named on the command line as Send To and Open with name it,
// itself or through a shortcut.
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

// A shortcut as Explorer makes one, by the shell's own writer.
void makeShortcut(const std::string& at, const std::string& target) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                               reinterpret_cast<void**>(&link)), S_OK);
    link->SetPath(platform::wideFromAnsi(target).c_str());
    IPersistFile* file = nullptr;
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    EXPECT_EQ(file->Save(platform::wideFromAnsi(at).c_str(), TRUE), S_OK);
    file->Release();
    link->Release();
    CoUninitialize();
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
    writeFile(start / "broken.lnk", "not a shortcut");
    expectBoxes(win, [&] { drop(h, {start / "broken.lnk"}); },
                (start / "broken.lnk") + " is a shortcut Cleavo cannot follow. Choose what it leads to in the lists "
                                         "instead.");
    expectBoxes(win, [&] { drop(h, {file}); }, "");
    EXPECT_EQ(w.lblINorOUT.caption(), "Choose file to split: -->  " + file);
    EXPECT_EQ(w.lblStatus.caption(), "File Size is: 1,458,663");

    w.optSplitTypeButton[0].setValue(true);
    w.cmdSPlit.click();
    expectBoxes(win, [&] { drop(h, {file}); },
                file + " is not a folder. Drop the folder the pieces are to go to, or choose it in the lists.");
    makeShortcut(start / "Shortcut to out.lnk", out.path());
    expectBoxes(win, [&] { drop(h, {start / "Shortcut to out.lnk"}); }, "");
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
    const std::string gone = in / "gone.avi", toGone = start / "gone.lnk", toFile = start / "holiday.avi.lnk";
    writeFile(gone, "");
    makeShortcut(toGone, gone);
    DeleteFileA(gone.c_str());
    expectBoxes(win, [&] { startWith("cleavo.exe \"" + toGone + "\""); },
                "The shortcut " + toGone + " leads to " + gone + ".\r\n" + gone +
                    " was not found. Choose it in the lists instead.");
    makeShortcut(toFile, file);
    expectBoxes(win, [&] { startWith("\"C:\\Program Files\\Cleavo\\cleavo.exe\" \"" + toFile + "\""); }, "");
    EXPECT_EQ(win->state().inDirPath + "\\" + win->state().inFileName, file);
    EXPECT_EQ(win->lblStatus.caption(), "File Size is: 1,457,740");
    win->optSplitTypeButton[0].setValue(true);
    win.splitInto(out.path());
    expectSplit(win, out.path(), input);
}
