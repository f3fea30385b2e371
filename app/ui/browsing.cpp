// The drive, folder and file lists: they keep the prompt, the status line,
// the Split button and the chosen input file in step.
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "ui/frm_splitter.h"

void frmSplitter::reReadFileListKeepingSelection(int& line) {
    if (fiInFile.listIndex() == -1) {
        line = 30;
        savedFileIndex = 0;
    } else {
        line = 35;
        savedFileIndex = static_cast<short>(fiInFile.listIndex());
    }
    line = 37;
    fiInFile.refresh();
    line = 40;
}

void frmSplitter::CleavDrive_Change() {
    guarded("CleavDrive_Change", AfterReport::Restart, [&](int& line) {
        line = 10;
        // "c: [LABEL]" -> "c:", the folder the system keeps as current there.
        std::string drive = CleavDrive.drive();
        cleavDir.setPath(drive.substr(0, drive.find(' ')));
    });
}

void frmSplitter::CleavDrive_GotFocus() {
    guarded("CleavDrive_gotfocus", AfterReport::Restart, [&](int& line) {
        if (driveFocusDone) return;
        line = 10;
        CleavDrive.refresh();
        line = 20;
        cleavDir.refresh();
        if (fiInFile.count() > 0 && fiInFile.visible()) {
            reReadFileListKeepingSelection(line);
            fiInFile.setListIndex(savedFileIndex);
        }
        line = 50;
        CleavDrive.refresh();
        driveFocusDone = true;
    });
}

void frmSplitter::cleavDir_Change() {
    guarded("CleavDir_Change", AfterReport::Restart, [&](int& line) {
        line = 5;
        if (!runInProgress_) cmdSPlit.setEnabled(true);
        line = 10;
        fiInFile.setPath(cleavDir.path());
        line = 20;
        if (fiInFile.count() > 0) {
            line = 25;
            fiInFile.setListIndex(0);
        } else {
            line = 27;
            if (cmdSPlit.caption() == kFileChoice) cmdSPlit.setEnabled(false);
            line = 28;
            lblStatus.setCaption("Cleavo Status.");
        }
        line = 30;
        if (cmdSPlit.caption() == kOutputChoice) {
            line = 40;
            lblINorOUT.setCaption("Choose output folder: --> " + cleavDir.path());
            line = 50;
            outDirPath = cleavDir.path();
            return;
        }
        line = 60;
        inPrefix = fiInFile.path();
        line = 70;
        inPrefix = platform::withBackslash(inPrefix);
        line = 80;
        lblINorOUT.setCaption(fileChoicePrompt());
        line = 90;
        inDirPath = fiInFile.path();
        line = 100;
        if (fiInFile.count() > 0) {
            line = 110;
            fiInFile.setListIndex(0);
            line = 120;
            inFileName = fiInFile.fileName();
        }
    });
}

void frmSplitter::fiInFile_Click() {
    guarded("fiInFile_Click", AfterReport::Restart, [&](int& line) {
        line = 10;
        if (cmdSPlit.caption() != kFileChoice) return;
        line = 20;
        inPrefix = fiInFile.path();
        line = 30;
        inPrefix = platform::withBackslash(inPrefix);
        line = 40;
        lblINorOUT.setCaption(fileChoicePrompt());
        line = 50;
        inDirPath = fiInFile.path();
        line = 60;
        inFileName = fiInFile.fileName();
        line = 70;
        if (fiInFile.count() > 0) {
            line = 75;
            const std::string path = inPrefix + inFileName;
            platform::FileStamp stamp;
            if (!platform::stampFile(path, stamp)) {
                // Told once: repaints choose the same file again and again.
                if (!unmeasurable_.insert(path).second) return;
                throw platform::RuntimeError(platform::kFileNotFound);
            }
            unmeasurable_.erase(path);
            uint64_t length = stamp.length;
            if (length >= 2147483648ull) {
                line = 77;
                lblStatus.setCaption("File Size is: Over 2 Gigs!");
            } else {
                line = 90;
                lblStatus.setCaption("File Size is: " + platform::groupDigits(static_cast<int64_t>(length)));
            }
        }
    });
}
