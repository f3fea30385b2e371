// File menu: a new folder inside the listed one, and Windows Explorer.
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/program.h"
#include "ui/frm_splitter.h"

void frmSplitter::mnuCreate_Click(short index) {
    if (index != 1) return;
    guarded("mnuCreate_Click", AfterReport::Restart, [&] {
        for (;;) {
            step(10);
            std::string name = platform::inputBox("Enter name for the new folder", "Create new folder", "New Folder");
            step(20);
            if (name.empty()) return;
            std::string path = platform::joinFolder(cleavDir.path(), name);
            step(30);
            if (platform::anythingExists(path)) {
                step(40);
                int answer = platform::msgBox("That path exists, try again!", platform::kOkCancel);
                step(50);
                if (answer == platform::kAnswerCancel) return;
                continue;
            }
            step(70);
            platform::createFolder(path);
            step(80);
            cleavDir.refresh();
            return;
        }
    });
}

void frmSplitter::mnuLoadExporer_Click() {
    try {
        platform::startProgram("Explorer", SW_SHOWMAXIMIZED);
    } catch (...) {
        // Explorer is a convenience; not finding it changes nothing.
    }
}
