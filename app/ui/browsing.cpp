// The drive, folder and file lists: they keep the prompt, the status line,
// the Split button and the chosen input file in step.
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "split/messages.h"
#include "ui/frm_splitter.h"

void frmSplitter::reReadFileListKeepingSelection() {
    if (fiInFile.listIndex() == -1) {
        step(30);
        state_.savedFileIndex = 0;
    } else {
        step(35);
        state_.savedFileIndex = static_cast<short>(fiInFile.listIndex());
    }
    step(37);
    fiInFile.refresh();
    step(40);
}

void frmSplitter::CleavDrive_Change() {
    guarded("CleavDrive_Change", AfterReport::Restart, [&] {
        step(10);
        // "c: [LABEL]" -> "c:", the folder the system keeps as current there.
        std::string drive = CleavDrive.drive();
        cleavDir.setPath(drive.substr(0, drive.find(' ')));
    });
}

void frmSplitter::CleavDrive_GotFocus() {
    guarded("CleavDrive_gotfocus", AfterReport::Restart, [&] {
        if (state_.driveFocusDone) return;
        step(10);
        CleavDrive.refresh();
        step(20);
        cleavDir.refresh();
        if (fiInFile.count() > 0 && fiInFile.visible()) {
            reReadFileListKeepingSelection();
            fiInFile.setListIndex(state_.savedFileIndex);
        }
        step(50);
        CleavDrive.refresh();
        state_.driveFocusDone = true;
    });
}

void frmSplitter::cleavDir_Change() {
    guarded("CleavDir_Change", AfterReport::Restart, [&] {
        step(5);
        if (!runInProgress_) cmdSPlit.setEnabled(true);
        step(10);
        fiInFile.setPath(cleavDir.path());
        step(20);
        if (fiInFile.count() > 0) {
            step(25);
            fiInFile.setListIndex(0);
        } else {
            step(27);
            if (!inOutputChoicePhase()) cmdSPlit.setEnabled(false);
            step(28);
            lblStatus.setCaption(split::kStatusPlanning);
        }
        step(30);
        if (inOutputChoicePhase()) {
            step(40);
            lblINorOUT.setCaption(split::outputFolderPrompt(cleavDir.path()));
            return;
        }
        step(60);
        state_.inPrefix = fiInFile.path();
        step(70);
        state_.inPrefix = platform::withBackslash(state_.inPrefix);
        step(80);
        lblINorOUT.setCaption(fileChoicePrompt());
        step(90);
        state_.inDirPath = fiInFile.path();
        step(100);
        if (fiInFile.count() > 0) {
            step(110);
            fiInFile.setListIndex(0);
            step(120);
            state_.inFileName = fiInFile.fileName();
        }
    });
}

void frmSplitter::fiInFile_Click() {
    guarded("fiInFile_Click", AfterReport::Restart, [&] {
        step(10);
        if (inOutputChoicePhase()) return;
        step(20);
        state_.inPrefix = fiInFile.path();
        step(30);
        state_.inPrefix = platform::withBackslash(state_.inPrefix);
        step(40);
        lblINorOUT.setCaption(fileChoicePrompt());
        step(50);
        state_.inDirPath = fiInFile.path();
        step(60);
        state_.inFileName = fiInFile.fileName();
        step(70);
        if (fiInFile.count() > 0) {
            step(75);
            const std::string path = state_.inPrefix + state_.inFileName;
            if (platform::nameWithoutForm(state_.inFileName)) {
                // Said when the user asks to split it: a folder of such
                // names is still entered without a box.
                lblStatus.setCaption(split::kStatusNameWithoutForm);
                return;
            }
            platform::FileStamp stamp;
            if (!platform::stampFile(path, stamp)) {
                // Told once: repaints choose the same file again and again.
                if (!unmeasurable_.insert(path).second) return;
                throw platform::RuntimeError(platform::kFileNotFound);
            }
            unmeasurable_.erase(path);
            step(stamp.length >= 2147483648ull ? 77 : 90);
            lblStatus.setCaption(split::fileSizeStatus(stamp.length));
        }
    });
}
