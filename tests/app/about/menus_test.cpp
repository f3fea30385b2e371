// The File and Help menus: new folder, help contents, About and its registry reader.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

#include "about/frm_about.h"
#include "app/support/splitter_window.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/modal_dialog.h"
#include "platform/program.h"
#include "platform/runtime_error.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {
// A user at the keyboard: once a window of this program titled `title` is up,
// types the keys (letters as characters, VK_ codes as keys) into whatever has
// the keyboard focus, as the system delivers typing.
class Typist {
public:
    Typist(const std::string& title, std::vector<WORD> keys)
        : thread_([this, title, keys] { run(title, keys); }) {}
    ~Typist() { thread_.join(); }
    bool typed() const { return typed_; }

private:
    static void press(WORD key) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        if (key >= 'a' && key <= 'z') {
            in[0].ki.wScan = in[1].ki.wScan = key;
            in[0].ki.dwFlags = KEYEVENTF_UNICODE;
            in[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        } else {
            in[0].ki.wVk = in[1].ki.wVk = key;
            in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        }
        SendInput(2, in, sizeof(INPUT));
        Sleep(30);
    }
    void run(const std::string& title, const std::vector<WORD>& keys) {
        HWND box = nullptr;
        for (int i = 0; i < 500 && !(box && IsWindowVisible(box)); ++i) {
            Sleep(10);
            box = FindWindowA("#32770", title.c_str());
        }
        if (!box) return;
        SetForegroundWindow(box);
        Sleep(100);
        for (WORD k : keys) press(k);
        typed_ = true;
    }
    std::atomic<bool> typed_{false};
    std::thread thread_;
};
}  // namespace

TEST(NewFolder, CreatesInsideTheListedFolderOnly) {
    TempDir dir;
    CreateDirectoryA((dir / "taken").c_str(), nullptr);
    writeFile(dir / "file.txt", "f");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    const std::string prompt = w.lblINorOUT.caption();

    // An empty answer creates nothing.
    w.mnuCreate_Click(1);
    ASSERT_EQ(win.boxes.shown.size(), 1u);
    EXPECT_EQ(win.boxes.shown[0].text, "Enter name for the new folder|New Folder");
    EXPECT_EQ(win.boxes.shown[0].title, "Create new folder");

    // Taken names (a folder, a file) are refused; OK asks again, Cancel stops.
    win.boxes.shown.clear();
    win.boxes.inputs = {"taken", "file.txt"};
    win.boxes.answers = {platform::kAnswerOk, platform::kAnswerCancel};
    w.mnuCreate_Click(1);
    ASSERT_EQ(win.boxes.shown.size(), 4u);
    EXPECT_EQ(win.boxes.shown[1].text, "That path exists, try again!");
    EXPECT_EQ(win.boxes.shown[1].style, 0x1u);  // OK and Cancel
    EXPECT_EQ(win.boxes.shown[2].text, "Enter name for the new folder|New Folder");
    EXPECT_EQ(win.boxes.shown[3].text, "That path exists, try again!");

    int before = w.cleavDir.count();
    win.boxes.inputs = {"Fresh"};
    w.mnuCreate_Click(1);
    EXPECT_TRUE(CreateDirectoryA((dir / "Fresh").c_str(), nullptr) == FALSE && GetLastError() == ERROR_ALREADY_EXISTS);
    EXPECT_EQ(w.cleavDir.count(), before + 1);
    EXPECT_EQ(w.cleavDir.path(), dir.path());
    EXPECT_EQ(w.lblINorOUT.caption(), prompt);
    EXPECT_EQ(w.state().inFileName, "file.txt");
}

TEST(NewFolder, ANameTheFileSystemRefusesIsReported) {
    TempDir dir;
    SplitterWindow win(dir.path());
    win.boxes.inputs = {"what?"};
    win->mnuCreate_Click(1);
    ASSERT_EQ(win.boxes.shown.size(), 2u);
    EXPECT_EQ(win.boxes.shown[1].text,
              "Error Number: 75\r\nError Description: Path/File access error\r\n\r\nError Line: 70\r\n"
              "Procedure Name: mnuCreate_Click.\r\nPlease Send this info to: support@cleavo.example .\r\n");
}

TEST(HelpContents, WithoutAHelpFileSaysSo) {
    TempDir dir;
    writeFile(dir / "cleavo.hlp", "not beside the program");  // the working folder does not count
    SplitterWindow win(dir.path());
    win->mnuContents_Click();
    ASSERT_EQ(win.boxes.shown.size(), 1u);
    EXPECT_EQ(win.boxes.shown[0].text, "An updated help file will be available soon!");
    EXPECT_EQ(win.boxes.shown[0].style & 0xF0u, 0x40u);
}

namespace {
struct ViewerBox {
    HWND hwnd = nullptr;
    std::string text;
};

BOOL CALLBACK helpFileText(HWND child, LPARAM text) {
    char buf[512] = {};
    GetWindowTextA(child, buf, sizeof buf);
    if (std::string(buf).find("cleavo.hlp") != std::string::npos) *reinterpret_cast<std::string*>(text) = buf;
    return TRUE;
}

// A message box of another process (the help viewer) that names cleavo.hlp.
BOOL CALLBACK findViewerBox(HWND w, LPARAM lp) {
    auto* found = reinterpret_cast<ViewerBox*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (pid == GetCurrentProcessId() || std::string(cls) != "#32770" || !IsWindowVisible(w)) return TRUE;
    std::string text;
    EnumChildWindows(w, helpFileText, reinterpret_cast<LPARAM>(&text));
    if (text.empty()) return TRUE;
    found->hwnd = w;
    found->text = text;
    return FALSE;
}

// A placeholder "cleavo.hlp" beside the program for the length of a test.
struct HelpFileBesideTheProgram {
    std::string path = platform::programFolder() + "\\cleavo.hlp";
    HelpFileBesideTheProgram() { writeFile(path, "not a real help file"); }
    ~HelpFileBesideTheProgram() { DeleteFileA(path.c_str()); }
};
}  // namespace

TEST(HelpContents, TheViewerFindsTheFileBesideTheProgramFromAnyFolder) {
    // Started in another folder, the program hands the viewer the bare name
    // "cleavo.hlp"; the real viewer must find the file beside the program.
    // The placeholder is no real help file, so the viewer says it cannot read
    // it; had it not found it, it would ask the user to look for it.
    HelpFileBesideTheProgram help;
    TempDir elsewhere;
    SplitterWindow win(elsewhere.path());
    win->mnuContents_Click();
    EXPECT_TRUE(win.boxes.shown.empty());
    ViewerBox box;
    for (int i = 0; i < 300 && !box.hwnd; ++i) {
        Sleep(50);
        EnumWindows(findViewerBox, reinterpret_cast<LPARAM>(&box));
    }
    ASSERT_NE(box.hwnd, nullptr) << "the help viewer showed nothing about cleavo.hlp";
    PostMessageA(box.hwnd, WM_COMMAND, IDOK, 0);  // the viewer ends with its box
    EXPECT_EQ(box.text, "Error while reading the help file `cleavo.hlp'");
    // The window stays usable meanwhile.
    EXPECT_TRUE(IsWindowEnabled(win->hwnd()));
}

TEST(About, TheBoxShowsTitleVersionAndButtons) {
    TempDir dir;
    SplitterWindow win(dir.path());
    win->mnuAbout_Click();  // the answerer presses OK
    ASSERT_EQ(win.libraryBoxes.seen().size(), 1u);
    const SeenDialog& box = win.libraryBoxes.seen()[0];
    EXPECT_EQ(box.caption, "About cleavo");
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"OK", "&System Info..."}));
    EXPECT_EQ(box.text, "Version 2.5.5");
    EXPECT_TRUE(win.boxes.shown.empty());
}

TEST(About, RegistryValuesReadAsText) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\CleavoTest", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "withZero", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\tool.exe"), 12);
    RegSetValueExA(key, "withoutZero", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\tool.exe"), 11);
    DWORD five = 5, big = 256;
    RegSetValueExA(key, "five", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&five), 4);
    RegSetValueExA(key, "big", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&big), 4);
    RegCloseKey(key);

    std::string v = "old";
    EXPECT_TRUE(about::GetKeyValue(HKEY_CURRENT_USER, "Software\\CleavoTest", "withZero", v));
    EXPECT_EQ(v, "C:\\tool.exe");
    EXPECT_TRUE(about::GetKeyValue(HKEY_CURRENT_USER, "Software\\CleavoTest", "withoutZero", v));
    EXPECT_EQ(v, "C:\\tool.exe");
    EXPECT_TRUE(about::GetKeyValue(HKEY_CURRENT_USER, "Software\\CleavoTest", "five", v));
    EXPECT_EQ(v, "5");
    EXPECT_TRUE(about::GetKeyValue(HKEY_CURRENT_USER, "Software\\CleavoTest", "big", v));
    EXPECT_EQ(v, "256");
    EXPECT_FALSE(about::GetKeyValue(HKEY_CURRENT_USER, "Software\\CleavoTest", "missing", v));
    EXPECT_EQ(v, "");
    v = "old";
    EXPECT_FALSE(about::GetKeyValue(HKEY_CURRENT_USER, "Software\\CleavoTest\\none", "x", v));
    EXPECT_EQ(v, "");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\CleavoTest");
}

TEST(About, SystemInformationUnavailable) {
    std::string found;
    if (about::GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", found))
        GTEST_SKIP() << "this registry names a system information tool at " << found;
    // Only the second key, naming a folder without the tool. A value already
    // there is put back afterwards, and a key made here is removed.
    testing_support::TempDir empty;
    HKEY key;
    DWORD made = 0;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, &made),
              ERROR_SUCCESS);
    DWORD savedType = 0, savedSize = 0;
    bool hadValue = RegQueryValueExA(key, "MSINFO", nullptr, &savedType, nullptr, &savedSize) == ERROR_SUCCESS;
    std::vector<BYTE> saved(savedSize + 1);
    if (hadValue) RegQueryValueExA(key, "MSINFO", nullptr, &savedType, saved.data(), &savedSize);
    RegSetValueExA(key, "MSINFO", 0, REG_SZ, reinterpret_cast<const BYTE*>(empty.path().c_str()),
                   static_cast<DWORD>(empty.path().size() + 1));
    DialogRecorder boxes;
    platform::setDialogSeam(&boxes);
    about::StartSysInfo();
    platform::setDialogSeam(nullptr);
    if (hadValue)
        RegSetValueExA(key, "MSINFO", 0, savedType, saved.data(), savedSize);
    else
        RegDeleteValueA(key, "MSINFO");
    RegCloseKey(key);
    if (made == REG_CREATED_NEW_KEY) RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(boxes.shown[0].title, "cleavo");
    EXPECT_EQ(boxes.shown[0].style, 0u);
}

TEST(InputBox, TheRealBoxAnswersWithItsTextOrNothing) {
    RealDialogAnswerer answerer;
    EXPECT_EQ(platform::inputBox("Enter name for the new folder", "Create new folder", "New Folder"), "New Folder");
    answerer.answer(IDCANCEL);
    EXPECT_EQ(platform::inputBox("Enter name for the new folder", "Create new folder", "New Folder"), "");
    ASSERT_EQ(answerer.seen().size(), 2u);
    EXPECT_EQ(answerer.seen()[0].caption, "Create new folder");
    EXPECT_EQ(answerer.seen()[0].text, "Enter name for the new folder");
    EXPECT_EQ(answerer.seen()[0].buttons, (std::vector<std::string>{"OK", "Cancel"}));
}

TEST(InputBox, TypingReplacesTheAnswerEnterConfirmsEscapeCancels) {
    // The answer field has the focus with "New Folder" selected.
    {
        Typist user("Create new folder", {'a', 'b', 'c', VK_RETURN});
        EXPECT_EQ(platform::inputBox("Enter name for the new folder", "Create new folder", "New Folder"), "abc");
    }
    {
        Typist user("Create new folder", {VK_RETURN});
        EXPECT_EQ(platform::inputBox("Enter name for the new folder", "Create new folder", "New Folder"),
                  "New Folder");
    }
    {
        Typist user("Create new folder", {'x', 'y', VK_ESCAPE});
        EXPECT_EQ(platform::inputBox("Enter name for the new folder", "Create new folder", "New Folder"), "");
    }
}

TEST(NewFolder, TheNameTheUserTypesIsTheNewFolder) {
    TempDir dir;
    SplitterWindow win(dir.path());
    platform::setDialogSeam(nullptr);  // the real input box, answered at the keyboard
    win.libraryBoxes.leaveToTheUser("Create new folder");
    {
        Typist user("Create new folder", {'a', 'b', 'c', VK_RETURN});
        win->mnuCreate_Click(1);
    }
    platform::setDialogSeam(&win.boxes);
    EXPECT_TRUE(platform::folderExists(dir / "abc"));
    EXPECT_FALSE(platform::folderExists(dir / "New Folder"));
    EXPECT_TRUE(win.boxes.shown.empty());
}

namespace {
class FailingDialog : public platform::ModalDialog {
public:
    FailingDialog() : ModalDialog("Failing", 2000, 1000) {}

protected:
    void onInit() override { throw platform::RuntimeError(platform::kInvalidProperty); }
};
}  // namespace

TEST(ModalDialogs, AFailureWhileShowingReachesTheCaller) {
    // A failure inside the dialog closes it and is raised to the caller,
    // whose error tail reports it, instead of vanishing with the dialog.
    FailingDialog failing;
    try {
        failing.run(nullptr);
        ADD_FAILURE() << "the failure inside the dialog was not raised";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::kInvalidProperty);
        EXPECT_EQ(e.description(), "Invalid property value");
    }
    // A dialog that cannot be made at all (its owner is gone) is a failure too.
    HWND gone = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    frmAbout box;
    try {
        box.run(gone);
        ADD_FAILURE() << "a dialog without its owner was shown";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::kInvalidCall);
    }
}
