#include "ui/frm_splitter.h"

#include "platform/dialogs.h"
#include "platform/runtime_error.h"
#include "res/version.h"
#include "split/messages.h"

using platform::Twips;

const char* const frmSplitter::kFileChoice = "&Split this file";
const char* const frmSplitter::kOutputChoice = "&Split files now!";

void frmSplitter::setPhase(Phase phase) {
    phase_ = phase;
    cmdSPlit.setCaption(phase == Phase::kFileChoice ? kFileChoice : kOutputChoice);
}

namespace {
const COLORREF kGrey = RGB(192, 192, 192);
const COLORREF kYellow = RGB(255, 255, 0);       // &H0000FFFF
const COLORREF kPaleYellow = RGB(255, 255, 128);  // &H0080FFFF

platform::FormStyle mainWindowStyle() {
    platform::FormStyle s;
    s.caption = platform::kAppTitle;
    s.clientWidth = 9420;
    s.clientHeight = 4800;
    s.back = kGrey;
    s.iconId = IDI_CLEAVO;
    s.acceptsFiles = true;
    return s;
}
}  // namespace

frmSplitter::frmSplitter() : Form(mainWindowStyle()) {
    addControls();
    addMenus();
    connectHandlers();
}

void frmSplitter::addControls() {
    // Controls directly on the window.
    addLabel(lblINorOUT, Twips{240, 0, 9135, 375}, 10, "Choose file to split:", kYellow);
    // The prompt's own 9.75 points, in the scalable face of MS Sans Serif's
    // look (Microsoft Sans Serif on Windows), which follows any text size.
    lblINorOUT.useFont(platform::FontSpec{"MS Shell Dlg", 9.75});
    addDriveList(CleavDrive, Twips{240, 360, 2535, 315}, 0, "Drive");
    addFolderList(cleavDir, Twips{240, 840, 4575, 1665}, 11, "Folder");
    addFileList(fiInFile, Twips{240, 2640, 4575, 1650}, 12, "File to split");
    addButton(cmdSPlit, Twips{240, 4320, 4695, 375}, 6, kFileChoice);
    addFrame(Frame1, Twips{4920, 480, 4455, 1935}, 8, "Split-type", true);
    addLabel(lblStatus, Twips{5040, 2640, 4335, 255}, 9, split::kStatusAsBuilt, kPaleYellow);
    addFrame(mnuOptions, Twips{4920, 2880, 4455, 1335}, 22, "Advanced Options", true);
    addButton(cmdExit, Twips{4920, 4320, 4455, 375}, 7, "E&xit");

    // The split types, inside "Split-type": where each option stands; its
    // caption and tooltip are the type's own.
    struct Option {
        split::SplitType type;
        Twips place;
        int tab;
    };
    const Option types[] = {
        {split::kFloppy, {120, 240, 1215, 255}, 1},    {split::kZip, {120, 600, 1215, 255}, 17},
        {split::kJaz1G, {1560, 240, 1335, 255}, 18},   {split::kCdr650, {1560, 600, 1335, 255}, 19},
        {split::kJaz2G, {3000, 240, 1335, 255}, 20},   {split::kCdr700, {3000, 600, 1335, 255}, 21},
        {split::kEqualSize, {120, 1080, 1695, 255}, 2}, {split::kIntoYFiles, {120, 1560, 1695, 255}, 3},
    };
    for (const Option& o : types)
        addOption(optSplitType, optSplitTypeButton[o.type], o.type, o.place, o.tab,
                  split::splitTypeInfo(o.type)->caption, &Frame1, split::tooltipOf(o.type));
    addText(txtByteSize, Twips{1920, 1080, 1575, 285}, 4, "1000", &Frame1, "Piece size");
    addFrame(Frame2, Twips{3480, 900, 825, 795}, 13, "Frame2", false, &Frame1);
    addDropDown(cboEqualNumber, Twips{1920, 1560, 1575, 315}, 5, &Frame1, "Number of pieces");

    // The units of the typed size, a group of their own inside Frame2.
    addOption(optBytes, optBytesButton[0], 0, Twips{0, 0, 735, 255}, 16, "bytes", &Frame2);
    addOption(optBytes, optBytesButton[1], 1, Twips{0, 240, 735, 255}, 15, "KB", &Frame2);
    addOption(optBytes, optBytesButton[2], 2, Twips{0, 480, 735, 255}, 14, "MB", &Frame2);

    // Inside "Advanced Options".
    addCheck(mnuAdvanced1_, Twips{120, 240, 2325, 255}, 25, "&Delete partial Cleavo files first", &mnuOptions);
    addCheck(mnuAdvanced2_, Twips{2520, 240, 1845, 255}, 26, "&Resume prior Splitting", &mnuOptions);
    addCheck(chkPause, Twips{120, 600, 1935, 255}, 24, "Pa&use splits", &mnuOptions);
    addCheck(chkPGP, Twips{120, 960, 1935, 255}, 23, "Add P&GP protection", &mnuOptions);

}

void frmSplitter::addMenus() {
    mnuCreate1_.caption = "&New folder";
    mnuLoadExporer.caption = "&Open Explorer";
    mnuLoadINI.caption = "&Load Settings";
    mnuSaveINI.caption = "&Save Settings";
    mnuExit.caption = "E&xit";
    mnuContents.caption = "&Contents";
    mnuAbout.caption = "&About";
    addMenu("&File", {&mnuCreate1_, &mnuLoadExporer, &mnuLoadINI, &mnuSaveINI, &mnuExit});
    addMenu("&Help", {&mnuContents, &mnuAbout});
}

// Each control's events to its handler, one line each.
void frmSplitter::connectHandlers() {
    cmdSPlit.onClick = [this] { cmdSPlit_Click(); };
    cmdExit.onClick = [this] { cmdExit_Click(); };
    chkPause.onClick = [this] { chkPause_Click(); };
    mnuAdvanced1_.onClick = [this] { mnuAdvanced_Click(1); };
    mnuAdvanced2_.onClick = [this] { mnuAdvanced_Click(2); };
    CleavDrive.onChange = [this] { CleavDrive_Change(); };
    CleavDrive.onGotFocus = [this] { CleavDrive_GotFocus(); };
    cleavDir.onChange = [this] { cleavDir_Change(); };
    fiInFile.onClick = [this] { fiInFile_Click(); };
    optSplitType.onClick = [this](short i) { optSplitType_Click(i); };
    optBytes.onClick = [this](short i) { optBytes_Click(i); };
    txtByteSize.onLostFocus = [this] { txtByteSize_LostFocus(); };
    mnuCreate1_.onClick = [this] { mnuCreate_Click(1); };
    mnuLoadExporer.onClick = [this] { mnuLoadExporer_Click(); };
    mnuLoadINI.onClick = [this] { mnuLoadINI_Click(); };
    mnuSaveINI.onClick = [this] { mnuSaveINI_Click(); };
    mnuExit.onClick = [this] { mnuExit_Click(); };
    mnuContents.onClick = [this] { mnuContents_Click(); };
    mnuAbout.onClick = [this] { mnuAbout_Click(); };
}

void frmSplitter::initialState() {
    // As the window was designed: "&Zip size" and "KB" chosen, the extra
    // inputs hidden, PGP not available. No handler runs for these.
    SendMessageA(optSplitTypeButton[split::kZip].hwnd(), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(optBytesButton[1].hwnd(), BM_SETCHECK, BST_CHECKED, 0);
    txtByteSize.setVisible(false);
    for (auto& b : optBytesButton) b.setVisible(false);
    cboEqualNumber.setVisible(false);
    chkPGP.setEnabled(false);
    updateTabStops();
}

platform::CheckBox& frmSplitter::mnuAdvanced(int index) {
    if (index == 1) return mnuAdvanced1_;
    if (index == 2) return mnuAdvanced2_;
    throw platform::RuntimeError(platform::kSubscriptRange);
}

platform::MenuEntry& frmSplitter::mnuCreate(int index) {
    if (index == 1) return mnuCreate1_;
    throw platform::RuntimeError(platform::kSubscriptRange);
}

std::string frmSplitter::fileChoicePrompt() const {
    return split::fileChoicePrompt(state_.inPrefix, fiInFile.fileName());
}

void frmSplitter::unhandledFailure(const std::string& what) {
    platform::msgBox(what, platform::kCritical);
}
