// The Pause box and the two ways out.
#include "platform/program.h"
#include "ui/frm_splitter.h"

void frmSplitter::chkPause_Click() { pauseFlag = static_cast<short>(chkPause.value()); }

void frmSplitter::cmdExit_Click() { platform::endProgram(); }

void frmSplitter::mnuExit_Click() {
    destroy();
    platform::endProgram();
}
