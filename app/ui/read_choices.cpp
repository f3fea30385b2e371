// The window's side of the Split button's second click: its choices read.
#include "split/split_choices.h"

#include "ui/frm_splitter.h"

SplitChoices frmSplitter::readSplitChoices() {
    SplitChoices choices;
    step(33);
    // The size is read, and shown again, without its grouping commas.
    for (char c : txtByteSize.text())
        if (c != ',') choices.typedSize += c;
    txtByteSize.setText(choices.typedSize);
    choices.inDir = state_.inDirPath;
    choices.inFileName = state_.inFileName;
    choices.outFolder = cleavDir.path();
    choices.outDrive = CleavDrive.drive();
    choices.unit = optBytesButton[0].value() ? 0 : optBytesButton[1].value() ? 1 : 2;
    for (int i = 0; i < split::kSplitTypeCount && choices.splitType < 0; ++i)
        if (optSplitTypeButton[i].value()) choices.splitType = i;
    choices.pieceCountText = cboEqualNumber.text();
    choices.pause = state_.pauseFlag != 0;
    choices.deletePartial = state_.deletePartialFlag;
    choices.maxFiles = state_.maxFiles;
    return choices;
}
