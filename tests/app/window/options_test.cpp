// The split-type buttons, the size box, the Advanced Options and Pause boxes.
#include <gtest/gtest.h>

#include "app/support/splitter_window.h"
#include "support/temp_dir.h"
#include "ui/split_type.h"

using namespace testing_support;

TEST(SplitType, ExtraInputsAndSettingsEntries) {
    TempDir dir;
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();

    w.optSplitTypeButton[1].setValue(true);
    EXPECT_TRUE(w.txtByteSize.visible());
    for (auto& b : w.optBytesButton) EXPECT_TRUE(b.visible());
    EXPECT_FALSE(w.cboEqualNumber.visible());
    EXPECT_EQ(w.state().settingsOut.splitType, "1");
    EXPECT_EQ(w.state().settingsOut.sizeOrCount, "1000");
    EXPECT_EQ(w.state().settingsOut.unit, "1");

    // The unit is remembered at once, the settings entry only at the next
    // click of the equal-size type.
    w.optBytesButton[2].setValue(true);
    EXPECT_EQ(w.state().unitIndex, 2);
    EXPECT_EQ(w.state().settingsOut.unit, "1");

    w.optSplitTypeButton[2].setValue(true);
    EXPECT_FALSE(w.txtByteSize.visible());
    EXPECT_TRUE(w.cboEqualNumber.visible());
    EXPECT_EQ(w.state().settingsOut.splitType, "2");
    EXPECT_EQ(w.state().settingsOut.sizeOrCount, "2");

    w.optSplitTypeButton[1].setValue(true);
    EXPECT_EQ(w.state().settingsOut.unit, "2");

    // The user clicks "KB", types another size, then clicks the chosen
    // "Split for &Equal size" again: the record takes both.
    SendMessageA(w.optBytesButton[1].hwnd(), BM_CLICK, 0, 0);
    w.txtByteSize.setText("720");
    EXPECT_EQ(w.state().settingsOut.unit, "2");
    SendMessageA(w.optSplitTypeButton[1].hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(w.state().settingsOut.sizeOrCount, "720");
    EXPECT_EQ(w.state().settingsOut.unit, "1");
    w.optSplitTypeButton[3].setValue(true);
    EXPECT_FALSE(w.txtByteSize.visible());
    EXPECT_FALSE(w.cboEqualNumber.visible());
    for (auto& b : w.optBytesButton) EXPECT_FALSE(b.visible());
    EXPECT_EQ(w.state().settingsOut.splitType, "3");
    EXPECT_EQ(w.state().settingsOut.sizeOrCount, "720");  // other types leave entries 7 and 8
    EXPECT_TRUE(win.boxes.shown.empty());
}

namespace {
// A key pressed by the user, then the window's turn to handle it.
void press(SplitterWindow& win, WORD key) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = key;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
    win.settle();
}
}  // namespace

TEST(SplitType, ArrowKeysMoveThroughAGroupInScreenOrder) {
    TempDir dir;
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    SetForegroundWindow(w.hwnd());
    w.optSplitTypeButton[1].setValue(true);

    // The units stand bytes, KB, MB from the top down.
    w.optBytesButton[1].setFocus();
    press(win, VK_DOWN);
    EXPECT_EQ(w.optBytes.selected(), 2);
    EXPECT_TRUE(w.optBytesButton[2].hasFocus());
    EXPECT_EQ(w.state().unitIndex, 2);
    press(win, VK_UP);
    press(win, VK_LEFT);
    EXPECT_EQ(w.optBytes.selected(), 0);
    EXPECT_TRUE(w.optBytesButton[0].hasFocus());
    press(win, VK_RIGHT);
    EXPECT_EQ(w.optBytes.selected(), 1);

    // The split types read in rows: Floppies, Jaz 1G, Jaz 2G, then Zip,
    // CDR 650MB, CDR 700MB, then Equal size, then Y files.
    w.optSplitTypeButton[3].setValue(true);
    w.optSplitTypeButton[3].setFocus();
    press(win, VK_DOWN);
    EXPECT_EQ(w.optSplitType.selected(), 5);
    press(win, VK_RIGHT);
    EXPECT_EQ(w.optSplitType.selected(), 7);
    press(win, VK_DOWN);
    EXPECT_EQ(w.optSplitType.selected(), 1);
    EXPECT_TRUE(w.txtByteSize.visible());
    press(win, VK_UP);
    press(win, VK_UP);
    press(win, VK_LEFT);
    press(win, VK_UP);
    EXPECT_EQ(w.optSplitType.selected(), 6);
    EXPECT_TRUE(w.optSplitTypeButton[6].hasFocus());
    EXPECT_TRUE(win.boxes.shown.empty());
}

TEST(SplitType, SizeBoxTidiesNumbersOnly) {
    EXPECT_EQ(groupedSizeText("100431871"), "100,431,871");
    EXPECT_EQ(groupedSizeText("1000"), "1,000");
    EXPECT_EQ(groupedSizeText("1,000"), "1,000");
    EXPECT_EQ(groupedSizeText("1457663.5"), "1,457,664");
    EXPECT_EQ(groupedSizeText("99999999999999999999"), "100,000,000,000,000,000,000");
    EXPECT_EQ(groupedSizeText("-2,147,483,648"), "-2,147,483,648");
    EXPECT_EQ(groupedSizeText("abc"), "abc");
    EXPECT_EQ(groupedSizeText(""), "");

    // And the real box, when it loses the focus.
    TempDir dir;
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    w.optSplitTypeButton[1].setValue(true);
    w.txtByteSize.setText("1457663");
    w.txtByteSize.setFocus();
    w.cmdExit.setFocus();
    EXPECT_EQ(w.txtByteSize.text(), "1,457,663");
}

TEST(AdvancedOptions, DeletePartialAndTheAnnouncedResume) {
    TempDir dir;
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();

    w.mnuAdvanced(1).setValue(1);
    EXPECT_TRUE(w.state().deletePartialFlag);
    w.mnuAdvanced(1).setValue(0);
    EXPECT_FALSE(w.state().deletePartialFlag);
    EXPECT_TRUE(win.boxes.shown.empty());

    const std::string notice = "This option available soon!\r\n\r\nNote: Delete Partial files must be unchecked!";
    // Box 1 unchecked: the notice shows while box 2 is still ticked.
    int box2WhileShown = -1;
    win.boxes.whileShown = [&](const ShownBox&) { box2WhileShown = w.mnuAdvanced(2).value(); };
    w.mnuAdvanced(2).setValue(1);
    ASSERT_EQ(win.boxes.shown.size(), 1u);
    EXPECT_EQ(win.boxes.shown[0].text, notice);
    EXPECT_EQ(win.boxes.shown[0].style & kIconMask, kInformationIcon);
    EXPECT_EQ(box2WhileShown, 1);
    EXPECT_EQ(w.mnuAdvanced(2).value(), 0);
    EXPECT_EQ(w.mnuAdvanced(1).value(), 0);

    // Box 1 checked: both are cleared before the notice appears.
    w.mnuAdvanced(1).setValue(1);
    bool flagWhileShown = true;
    int box1WhileShown = -1;
    win.boxes.whileShown = [&](const ShownBox&) {
        flagWhileShown = w.state().deletePartialFlag;
        box1WhileShown = w.mnuAdvanced(1).value();
        box2WhileShown = w.mnuAdvanced(2).value();
    };
    w.mnuAdvanced(2).setValue(1);
    ASSERT_EQ(win.boxes.shown.size(), 2u);
    EXPECT_FALSE(flagWhileShown);
    EXPECT_EQ(box1WhileShown, 0);
    EXPECT_EQ(box2WhileShown, 0);
    EXPECT_EQ(w.mnuAdvanced(1).value(), 0);
    EXPECT_EQ(w.mnuAdvanced(2).value(), 0);
    EXPECT_FALSE(w.state().deletePartialFlag);
}

TEST(Pause, FlagFollowsTheBoxAlsoAfterTheReset) {
    TempDir dir;
    SplitterWindow win(dir.path());
    frmSplitter& w = win.w();
    w.chkPause.setValue(1);
    EXPECT_EQ(w.state().pauseFlag, 1);
    w.chkPause.setValue(0);
    EXPECT_EQ(w.state().pauseFlag, 0);
    // The reset leaves the box as the user set it, and the flag with it.
    w.chkPause.setValue(1);
    w.Form_Load();
    EXPECT_EQ(w.chkPause.value(), 1);
    EXPECT_EQ(w.state().pauseFlag, 1);
}
