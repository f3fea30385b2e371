// Every repaint brings the file list up to date and rests the status line.
#include "split/messages.h"
#include "ui/frm_splitter.h"

void frmSplitter::Form_Paint() {
    guarded("Form_Paint", AfterReport::Restart, [&] {
        step(10);
        if (!fiInFile.visible()) return;
        step(20);
        reReadFileListKeepingSelection();
        if (fiInFile.count() > 0) fiInFile.setListIndex(state_.savedFileIndex);
        lblStatus.setCaption(split::kStatusPlanning);
    });
}
