// Start-up, which is also the window's reset after a split or a failure.
#include <string>

#include "split/names.h"
#include "split/split_types.h"
#include "ui/frm_splitter.h"

void frmSplitter::Form_Load() {
    // A window closed while a box of a handler was open is not started again.
    if (!hwnd()) return;
    bool readSettings = false;
    guarded("Form_Load", AfterReport::EndProgram, [&] {
        step(10);
        // The flag follows the Pause box, which the reset leaves as the user
        // set it: a box that shows ticked always pauses.
        state_.pauseFlag = static_cast<short>(chkPause.value());
        step(50);
        state_.maxFiles = split::kMaxPieces;
        step(60);
        const int bound = state_.maxFiles;
        step(70);
        cboEqualNumber.clear();
        for (int n = 2; n <= bound; ++n) {
            step(80);
            cboEqualNumber.addItem(std::to_string(n));
            step(90);
        }
        step(100);
        cboEqualNumber.setListIndex(0);
        step(105);
        lblINorOUT.setCaption(fileChoicePrompt());
        step(110);
        if (fiInFile.count() > 0) {
            step(115);
            fiInFile.setListIndex(0);
            step(120);
            lblINorOUT.setCaption(fileChoicePrompt());
        }
        step(310);
        state_.settingsOut.splitType = split::settingsValueOf(split::kZip);
        step(320);
        state_.settingsOut.sizeOrCount = "1";
        step(330);
        state_.settingsOut.unit = "0";
        step(340);
        state_.unitIndex = 1;
        step(132);
        readSettings = settingsFileExists();
    });
    // From here on failures are passed over in silence.
    if (readSettings) readSettingsAtStartUp();
}
