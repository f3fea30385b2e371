// The Advanced Options boxes: "Delete partial Cleavo files first" is what the
// split reads; "Resume prior Splitting" is announced only and never stays ticked.
#include "platform/dialogs.h"
#include "ui/frm_splitter.h"

void frmSplitter::mnuAdvanced_Click(short index) {
    if (index == 1) {
        state_.deletePartialFlag = mnuAdvanced(1).value() != 0;
        mnuAdvanced(2).setValue(0);
    } else if (index == 2) {
        if (mnuAdvanced(2).value() != 1) return;
        if (mnuAdvanced(1).value() == 1) mnuAdvanced(1).setValue(0);
        platform::msgBox("This option available soon!\r\n\r\nNote: Delete Partial files must be unchecked!",
                         platform::kInformation);
        mnuAdvanced(2).setValue(0);
    }
}
