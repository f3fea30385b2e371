// The settings menu and the reader that every start-up runs: the window's
// side of the settings file, whose format is settings/settings_file.
#include <cmath>
#include <functional>
#include <vector>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/guarded.h"
#include "platform/numbers.h"
#include "platform/program.h"
#include "platform/runtime_error.h"
#include "settings/settings_file.h"
#include "split/split_types.h"
#include "ui/frm_splitter.h"

using platform::RuntimeError;

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
    if (inOutputChoicePhase()) {
        state_.settingsOut.outputDrive = CleavDrive.drive();
        state_.settingsOut.outputFolder = cleavDir.path();
    } else {
        state_.settingsOut.inputDrive = CleavDrive.drive();
        state_.settingsOut.inputFolder = cleavDir.path();
        state_.settingsOut.inputFile = fiInFile.fileName();
    }
    std::vector<settings::NotWritten> failures;
    const std::string path = settings::saveSettings(state_.settingsOut, failures);
    if (path.empty()) {
        platform::msgBox(settings::notSavedMessage(failures), platform::kCritical);
        return;
    }
    platform::msgBox(settings::savedMessage(path), platform::kInformation);
}

void frmSplitter::mnuLoadINI_Click() {
    const std::string path = settings::settingsPathToRead();
    if (!platform::anythingExists(path)) {
        platform::msgBox(settings::noSettingsMessage(), platform::kExclamation);
        return;
    }
    settings::Record record;
    try {
        record = settings::readRecord(path);
    } catch (const RuntimeError& e) {
        platform::msgBox(settings::notReadMessage(path, e.description()), platform::kExclamation);
        return;
    }
    for (size_t n = 1; n <= record.count; ++n) state_.settingsIn.line(static_cast<int>(n)) = record.entries.line(static_cast<int>(n));

    // Each line that a control refuses is named in the end; the others apply.
    std::vector<std::string> faults;
    for (size_t n = record.count + 1; n <= 8; ++n) faults.push_back(settings::missingLine(static_cast<int>(n)));
    auto apply = [&](int n, const std::function<void()>& action) {
        platform::guarded(action, [&](long, const std::string& description, int) {
            faults.push_back(settings::faultyLine(n, state_.settingsIn.line(n), description));
        });
    };
    if (inOutputChoicePhase()) {
        apply(4, [&] { CleavDrive.setDrive(state_.settingsIn.outputDrive); });
        apply(5, [&] { cleavDir.setPath(state_.settingsIn.outputFolder); });
    } else {
        apply(1, [&] { CleavDrive.setDrive(state_.settingsIn.inputDrive); });
        apply(2, [&] {
            cleavDir.setPath(state_.settingsIn.inputFolder);
            fiInFile.setPath(state_.settingsIn.inputFolder);
        });
        apply(3, [&] { selectByName(fiInFile, state_.settingsIn.inputFile); });
    }
    apply(6, [&] { optSplitType[settings::lineAsInteger(state_.settingsIn.splitType)].setValue(true); });
    const split::ExtraInput extra = split::extraInputOfSetting(state_.settingsIn.splitType);
    if (extra == split::ExtraInput::kTypedSize) {
        apply(7, [&] { txtByteSize.setText(state_.settingsIn.sizeOrCount); });
        apply(8, [&] { optBytes[settings::lineAsInteger(state_.settingsIn.unit)].setValue(true); });
    } else if (extra == split::ExtraInput::kPieceCount) {
        apply(7, [&] { cboEqualNumber.setText(state_.settingsIn.sizeOrCount); });
    }
    if (!faults.empty()) {
        platform::msgBox(settings::notAppliedMessage(path, faults), platform::kExclamation);
        return;
    }
    platform::msgBox(settings::loadedMessage(path), platform::kInformation);
}

bool frmSplitter::settingsFileExists() const { return platform::ordinaryFileExists(settings::settingsPathToRead()); }

void frmSplitter::readSettingsAtStartUp() {
    // Every step that fails is passed over in silence and the next one runs.
    auto quietly = [](auto&& action) {
        try {
            action();
        } catch (const RuntimeError&) {
        } catch (const std::exception&) {
        }
    };
    bool opened = false;
    settings::Record record;
    auto readLine = [&](size_t n) {
        if (!opened) throw RuntimeError(platform::kBadFileNameOrNumber);
        if (n > record.count) throw RuntimeError(platform::kInputPastEnd);
        state_.settingsIn.line(static_cast<int>(n)) = record.entries.line(static_cast<int>(n));
    };

    quietly([&] {
        record = settings::readRecord(settings::settingsPathToRead());
        opened = true;
    });
    quietly([&] { readLine(1); });
    quietly([&] { CleavDrive.setDrive(state_.settingsIn.inputDrive); });
    quietly([&] { readLine(2); });
    quietly([&] { cleavDir.setPath(state_.settingsIn.inputFolder); });
    quietly([&] { readLine(3); });
    quietly([&] { fiInFile.setPath(state_.settingsIn.inputFolder); });
    quietly([&] { selectByName(fiInFile, state_.settingsIn.inputFile); });
    quietly([&] { readLine(4); });
    quietly([&] { readLine(5); });
    quietly([&] { readLine(6); });
    quietly([&] { state_.settingsOut.splitType = std::to_string(settings::lineAsInteger(state_.settingsIn.splitType)); });
    quietly([&] { optSplitType[settings::lineAsInteger(state_.settingsOut.splitType)].setValue(true); });
    const split::ExtraInput extra = split::extraInputOfSetting(state_.settingsIn.splitType);
    if (extra == split::ExtraInput::kTypedSize) {
        quietly([&] { readLine(7); });
        quietly([&] { readLine(8); });
        quietly([&] { state_.settingsOut.sizeOrCount = state_.settingsIn.sizeOrCount; });
        quietly([&] { state_.settingsOut.unit = state_.settingsIn.unit; });
        quietly([&] { optBytes[settings::lineAsInteger(state_.settingsOut.unit)].setValue(true); });
    } else if (extra == split::ExtraInput::kPieceCount) {
        quietly([&] { readLine(7); });
        quietly([&] { state_.settingsOut.sizeOrCount = state_.settingsIn.sizeOrCount; });
    }
}
