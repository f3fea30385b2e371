// The Help menu: the help file beside the program, in the help viewer, and
// the About box.
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/program.h"
#include "about/frm_about.h"
#include "ui/frm_splitter.h"

namespace {
#ifdef _WIN64
// winhelp.exe is a 16-bit stub that hands the file on to winhlp32, and a
// 64-bit system need not run 16-bit or even 32-bit programs (Wine built
// without them starts it and nothing happens): the viewer itself is asked.
const char kHelpViewerCommand[] = "winhlp32 cleavo.hlp";
#else
const char kHelpViewerCommand[] = "winhelp cleavo.hlp";
#endif
}  // namespace

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
            platform::startProgram(kHelpViewerCommand, SW_SHOWMINIMIZED, folder);
        } else {
            step(40);
            platform::msgBox("An updated help file will be available soon!", platform::kInformation);
        }
    });
}

void frmSplitter::mnuAbout_Click() {
    guarded("mnuAbout_Click", AfterReport::Restart, [&] {
        step(10);
        frmAbout about;
        about.run(hwnd());
    });
}
