// Help menu: the help file beside the program, in the help viewer.
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/program.h"
#include "ui/frm_splitter.h"

void frmSplitter::mnuContents_Click() {
    guarded("mnuContents_Click", AfterReport::Restart, [&] {
        step(10);
        std::string helpFile = platform::joinFolder(platform::programFolder(), "cleavo.hlp");
        step(20);
        if (platform::ordinaryFileExists(helpFile)) {
            step(30);
            platform::startProgram("winhelp cleavo.hlp", SW_SHOWMINIMIZED);
        } else {
            step(40);
            platform::msgBox("An updated help file will be available soon!", platform::kInformation);
        }
    });
}
