// Each handler's failure is reported under its own procedure name, exactly
// as users send it in: real failures, met the way a user meets them.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "app/support/splitter_window.h"
#include "platform/program.h"
#include "settings/settings_file.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {
// Runs an action the first time the window procedure of this thread is about
// to get a message that matches: another program acting at that moment.
class WhenSent {
public:
    WhenSent(std::function<bool(const CWPSTRUCT&)> matches, std::function<void()> action)
        : matches_(std::move(matches)), action_(std::move(action)) {
        current_ = this;
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, &WhenSent::hook, nullptr, GetCurrentThreadId());
    }
    ~WhenSent() {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    bool done() const { return done_; }

private:
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam) {
        WhenSent* self = current_;
        if (code == HC_ACTION && self && !self->done_ && self->matches_(*reinterpret_cast<CWPSTRUCT*>(lParam))) {
            self->done_ = true;
            self->action_();
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static WhenSent* current_;
    HHOOK hook_;
    std::function<bool(const CWPSTRUCT&)> matches_;
    std::function<void()> action_;
    bool done_ = false;
};
WhenSent* WhenSent::current_ = nullptr;

std::string classOf(HWND w) {
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}
}  // namespace

TEST(ProcedureNames, CleavDir_Change) {
    // The folder the user enters is removed by another program just as the
    // folder list shows it; the file list can no longer read it.
    TempDir dir;
    CreateDirectoryA((dir / "going").c_str(), nullptr);
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    WhenSent removal([&](const CWPSTRUCT& m) { return m.hwnd == w.cleavDir.hwnd() && m.message == LB_RESETCONTENT; },
                     [&] { RemoveDirectoryA((dir / "going").c_str()); });
    w.cleavDir.setPath(dir / "going");
    ASSERT_TRUE(removal.done());
    ASSERT_FALSE(win.boxes.shown.empty());
    EXPECT_EQ(win.boxes.shown[0].text, expectedReport(76, "Path not found", 10, "CleavDir_Change"));
}

TEST(ProcedureNames, CleavDrive_Change) {
    // A drive listed when the window came up is gone when the user picks it.
    TempDir target;
    ASSERT_TRUE(DefineDosDeviceA(0, "Q:", target.path().c_str()));
    SplitterWindow win(target.path());
    frmSplitter& w = win.w();
    DefineDosDeviceA(DDD_REMOVE_DEFINITION, "Q:", nullptr);
    int q = -1;
    for (int i = 0; i < w.CleavDrive.count(); ++i)
        if (w.CleavDrive.item(i).substr(0, 2) == "q:") q = i;
    ASSERT_GE(q, 0) << "the drive list did not show q:";
    // The user picks it from the list.
    SendMessageA(w.CleavDrive.hwnd(), CB_SETCURSEL, static_cast<WPARAM>(q), 0);
    SendMessageA(w.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w.CleavDrive.hwnd()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(w.CleavDrive.hwnd()));
    ASSERT_FALSE(win.boxes.shown.empty());
    EXPECT_EQ(win.boxes.shown[0].text, expectedReport(68, "Device unavailable", 10, "CleavDrive_Change"));
}

TEST(ProcedureNames, CleavDrive_gotfocus) {
    // The only file of the folder is deleted just as the window comes up and
    // the drive list takes the focus for the first time: the re-read list no
    // longer has the entry that was chosen.
    TempDir dir;
    writeFile(dir / "only.txt", "x");
    WhenSent removal([](const CWPSTRUCT& m) { return m.message == WM_SETFOCUS && classOf(m.hwnd) == "ComboBox"; },
                     [&] { DeleteFileA((dir / "only.txt").c_str()); });
    SplitterWindow win(dir.path());
    ASSERT_TRUE(removal.done());
    ASSERT_FALSE(win.boxes.shown.empty());
    EXPECT_EQ(win.boxes.shown[0].text, expectedReport(380, "Invalid property value", 40, "CleavDrive_gotfocus"));
}

TEST(ProcedureNames, Form_Load) {
    // Another program closes the window while a report is up: no reset runs
    // on the window that has gone, nothing more is reported, and the
    // settings file stays.
    const std::string ini = settings::settingsPath();
    TempDir dir;
    writeFile(dir / "gone.txt", "x");
    writeFile(ini, "");
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    DeleteFileA((dir / "gone.txt").c_str());
    win.boxes.whileShown = [&](const ShownBox&) {
        if (IsWindow(w.hwnd())) SendMessageA(w.hwnd(), WM_CLOSE, 0, 0);
    };
    w.fiInFile.setListIndex(0);
    const bool iniLeft = fileExists(ini);
    DeleteFileA(ini.c_str());
    EXPECT_FALSE(IsWindow(w.hwnd()));
    EXPECT_EQ(programEnds(), 0);
    EXPECT_TRUE(iniLeft);
    EXPECT_EQ(win.boxes.texts(), (std::vector<std::string>{expectedReport(53, "File not found", 75, "fiInFile_Click")}));
}

TEST(ProcedureNames, txtByteSize_Lostfocus) {
    // A size past any number the box can show.
    TempDir dir;
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    w.optSplitTypeButton[1].setValue(true);
    w.txtByteSize.setText("1e999");
    w.txtByteSize.setFocus();
    w.cmdExit.setFocus();
    ASSERT_FALSE(win.boxes.shown.empty());
    EXPECT_EQ(win.boxes.shown[0].text, expectedReport(6, "Overflow", 10, "txtByteSize_Lostfocus"));
    EXPECT_EQ(w.txtByteSize.text(), "1e999");
}
