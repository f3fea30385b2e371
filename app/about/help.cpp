// Help menu: the help file beside the program, in the help viewer.
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/program.h"
#include "ui/frm_splitter.h"

void frmSplitter::mnuContents_Click() {
    guarded("mnuContents_Click", AfterReport::Restart, [&] {
        step(10);
        const std::string folder = platform::programFolder();
        std::string helpFile = platform::joinFolder(folder, "cleavo.hlp");
        step(20);
        if (platform::ordinaryFileExists(helpFile)) {
            step(30);
            // The command line names the file without its folder; the viewer
            // finds it by working in the program's folder.
            platform::startProgram("winhelp cleavo.hlp", SW_SHOWMINIMIZED, folder);
        } else {
            step(40);
            platform::msgBox("An updated help file will be available soon!", platform::kInformation);
        }
    });
}
