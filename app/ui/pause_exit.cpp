// The Pause box and the two ways out.
#include "platform/off_thread.h"
#include "platform/program.h"
#include "ui/frm_splitter.h"

void frmSplitter::chkPause_Click() { state_.pauseFlag = static_cast<short>(chkPause.value()); }

// During a piece the window goes at once and the run ends the program when
// the library has finished the piece: a half-written piece would be left behind.
void frmSplitter::cmdExit_Click() {
    if (platform::offThreadJobRunning()) return destroy();
    platform::endProgram();
}

void frmSplitter::mnuExit_Click() {
    destroy();
    if (!platform::offThreadJobRunning()) platform::endProgram();
}

// Log-off or shutdown ends a run as File > Exit does: the piece being written
// is finished, no further piece or batch file is begun.
void frmSplitter::sessionEnding() { mnuExit_Click(); }
