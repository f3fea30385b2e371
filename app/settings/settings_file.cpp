// Saving and loading the user's choices, and the reader that every start-up runs.
#include "settings/settings_file.h"

#include <cmath>
#include <vector>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/program.h"
#include "platform/runtime_error.h"
#include "ui/frm_splitter.h"

using platform::RuntimeError;

namespace settings {

std::string settingsPath() { return platform::joinFolder(platform::programFolder(), "cleav.ini"); }

std::string fileText(const std::array<std::string, 9>& entries) {
    std::string text;
    for (int n = 1; n <= 8; ++n) text += entries[static_cast<size_t>(n)] + "\r\n";
    return text;
}

int lineAsInteger(const std::string& line) {
    if (!platform::readsAsNumber(line)) throw RuntimeError(platform::kTypeMismatch);
    double v = platform::roundHalfAway(platform::numberOf(line));
    if (!(std::fabs(v) <= 32767)) throw RuntimeError(platform::kOverflow);
    return static_cast<int>(v);
}

}  // namespace settings

namespace {
// Selects the first entry of the file list that equals the name exactly.
void selectByName(platform::FileList& list, const std::string& name) {
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i) == name) {
            list.setListIndex(i);
            return;
        }
}
}  // namespace

void frmSplitter::mnuSaveINI_Click() {
    if (cmdSPlit.caption() == kOutputChoice) {
        settingsOut[4] = CleavDrive.drive();
        settingsOut[5] = cleavDir.path();
    } else {
        settingsOut[1] = CleavDrive.drive();
        settingsOut[2] = cleavDir.path();
        settingsOut[3] = fiInFile.fileName();
    }
    platform::writeWholeFile(settings::settingsPath(), settings::fileText(settingsOut));
    platform::msgBox("Your settings have been saved!", platform::kInformation);
}

void frmSplitter::mnuLoadINI_Click() {
    const std::string path = settings::settingsPath();
    if (!platform::anythingExists(path))
        throw RuntimeError(platform::kFileNotFound, "File not found: " + path);
    std::vector<std::string> lines = platform::readTextLines(path);
    for (size_t n = 1; n <= 8 && n <= lines.size(); ++n) settingsIn[n] = lines[n - 1];

    if (cmdSPlit.caption() == kOutputChoice) {
        CleavDrive.setDrive(settingsIn[4]);
        cleavDir.setPath(settingsIn[5]);
    } else {
        CleavDrive.setDrive(settingsIn[1]);
        cleavDir.setPath(settingsIn[2]);
        fiInFile.setPath(settingsIn[2]);
        selectByName(fiInFile, settingsIn[3]);
    }
    optSplitType[settings::lineAsInteger(settingsIn[6])].setValue(true);
    if (settingsIn[6] == "1") {
        txtByteSize.setText(settingsIn[7]);
        optBytes[settings::lineAsInteger(settingsIn[8])].setValue(true);
    } else if (settingsIn[6] == "2") {
        cboEqualNumber.setText(settingsIn[7]);
    }
    platform::msgBox("Your settings have been loaded!", platform::kInformation);
}

void frmSplitter::readSettingsAtStartUp(const std::string& iniPath) {
    // Every step that fails is passed over in silence and the next one runs.
    auto step = [](auto&& action) {
        try {
            action();
        } catch (const RuntimeError&) {
        } catch (const std::exception&) {
        }
    };
    bool opened = false;
    std::vector<std::string> lines;
    auto readLine = [&](size_t n) {
        if (!opened) throw RuntimeError(platform::kBadFileNameOrNumber);
        if (n > lines.size()) throw RuntimeError(platform::kInputPastEnd);
        settingsIn[n] = lines[n - 1];
    };

    step([&] {
        lines = platform::readTextLines(iniPath);
        opened = true;
    });
    step([&] { readLine(1); });
    step([&] { CleavDrive.setDrive(settingsIn[1]); });
    step([&] { readLine(2); });
    step([&] { cleavDir.setPath(settingsIn[2]); });
    step([&] { readLine(3); });
    step([&] { fiInFile.setPath(settingsIn[2]); });
    step([&] { selectByName(fiInFile, settingsIn[3]); });
    step([&] { readLine(4); });
    step([&] { readLine(5); });
    step([&] { readLine(6); });
    step([&] { settingsOut[6] = std::to_string(settings::lineAsInteger(settingsIn[6])); });
    step([&] { optSplitType[settings::lineAsInteger(settingsOut[6])].setValue(true); });
    if (settingsIn[6] == "1") {
        step([&] { readLine(7); });
        step([&] { readLine(8); });
        step([&] { settingsOut[7] = settingsIn[7]; });
        step([&] { settingsOut[8] = settingsIn[8]; });
        step([&] { optBytes[settings::lineAsInteger(settingsOut[8])].setValue(true); });
    } else if (settingsIn[6] == "2") {
        step([&] { readLine(7); });
        step([&] { settingsOut[7] = settingsIn[7]; });
    }
}
