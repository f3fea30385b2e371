// A file chosen from outside the lists: dropped from Explorer on the window,
// or named on the command line, which is what Send To and Open with pass.
// Either way the lists go to the file's drive and folder and the file is
// chosen there, as a click on it would choose it, so that the prompt, the
// status line and the split follow as they always do. A shortcut stands for
// what it leads to, as it does in Explorer.
#include "platform/ansi_text.h"
#include "platform/dialogs.h"
#include "platform/file_kind.h"
#include "platform/files.h"
#include "platform/program.h"
#include "ui/frm_splitter.h"

namespace {
// Why a path cannot be taken, and what the user can do instead.
std::string refusal(const std::string& path, platform::FileKind kind, bool outputChoice) {
    using platform::FileKind;
    if (kind == FileKind::kNothing) return path + " was not found. Choose it in the lists instead.";
    if (outputChoice)
        return path + " is not a folder. Drop the folder the pieces are to go to, or choose it in the lists.";
    if (kind == FileKind::kFolder)
        return path + " is a folder. Drop the one file to split, or open the folder in the lists and choose the "
                      "file there.";
    return path + " is not a file Cleavo can split. Choose the file to split in the lists.";
}

void refuse(const std::string& text) { platform::msgBox(text, platform::kExclamation); }
}  // namespace

void frmSplitter::Form_OLEDragDrop(const std::vector<std::string>& paths) {
    // The window stays live while the pieces are written; a drop then would
    // change the lists under the run.
    if (runInProgress_) return;
    guarded("Form_OLEDragDrop", AfterReport::Restart, [&] { chooseFromOutside(paths); });
}

void frmSplitter::Form_Command(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return;
    // The first paint rests the status line on "Cleavo Status.": it comes
    // first, so that the chosen file's size stays there.
    UpdateWindow(hwnd());
    guarded("Form_Command", AfterReport::Restart, [&] { chooseFromOutside(arguments); });
}

void frmSplitter::chooseFromOutside(const std::vector<std::string>& paths) {
    const bool output = inOutputChoicePhase();
    step(10);
    if (paths.size() != 1)
        return refuse(output ? "The pieces go to one folder: drop just one."
                             : "Cleavo splits one file at a time: drop or send just one.");
    step(20);
    std::string path = platform::fullLongPath(paths[0]), through;
    if (platform::namesShortcut(path) && platform::fileKindAt(path) == platform::FileKind::kDiskFile) {
        const std::string target = platform::shortcutTarget(path);
        if (target.empty())
            return refuse(path + " is a shortcut Cleavo cannot follow. Choose what it leads to in the lists instead.");
        through = "The shortcut " + path + " leads to " + target + ".\r\n";
        path = platform::fullLongPath(target);
    }
    const platform::FileKind kind = platform::fileKindAt(path);
    if (kind != (output ? platform::FileKind::kFolder : platform::FileKind::kDiskFile))
        return refuse(through + refusal(path, kind, output));
    if (path.size() < 3 || path[1] != ':')
        return refuse(through + path + " is not on a drive letter. Map its network folder to a drive in Explorer, "
                                   "then choose it in the lists.");
    step(30);
    const size_t slash = path.find_last_of('\\');
    const std::string folder = output ? path : path.substr(0, slash == 2 ? 3 : slash);
    CleavDrive.setDrive(folder);
    step(40);
    cleavDir.setPath(folder);
    if (output) return;
    step(50);
    const std::string name = path.substr(slash + 1);
    for (int i = 0; i < fiInFile.count(); ++i)
        if (platform::sameFileName(fiInFile.item(i), name)) {
            step(60);
            fiInFile.setListIndex(i);
            return;
        }
    refuse(name + " is a hidden or system file, which the file list does not show. Clear those marks in its "
                  "Properties, then choose it again.");
}
