// Saving and loading the user's choices, and the reader that every start-up runs.
#include "settings/settings_file.h"

#include <cmath>
#include <functional>
#include <vector>

#include "platform/ansi_text.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/guarded.h"
#include "platform/numbers.h"
#include "platform/program.h"
#include "platform/runtime_error.h"

using platform::RuntimeError;

namespace settings {

std::string settingsPath() { return platform::joinFolder(platform::programFolder(), "cleav.ini"); }

namespace {
// %APPDATA%\Cleavo; empty when the system gives no such folder.
std::string userSettingsFolder() {
    const std::string appData = platform::userAppDataFolder();
    return appData.empty() ? "" : platform::joinFolder(appData, "Cleavo");
}
}  // namespace

std::string userSettingsPath() {
    const std::string folder = userSettingsFolder();
    return folder.empty() ? "" : platform::joinFolder(folder, "cleav.ini");
}

std::string settingsPathToRead() {
    const std::string beside = settingsPath(), user = userSettingsPath();
    platform::FileStamp besideStamp, userStamp;
    const bool hasBeside = platform::ordinaryFileExists(beside) && platform::stampFile(beside, besideStamp);
    const bool hasUser = !user.empty() && platform::ordinaryFileExists(user) && platform::stampFile(user, userStamp);
    // Save writes one of the two, so the one written last is the one it wrote.
    return hasUser && (!hasBeside || userStamp.lastWrite > besideStamp.lastWrite) ? user : beside;
}

std::string saveSettings(const SettingsEntries& entries, std::vector<NotWritten>& failures) {
    const std::string text = fileText(entries), folder = userSettingsFolder();
    std::vector<std::string> places = {settingsPath()};
    if (!folder.empty()) places.push_back(userSettingsPath());
    for (const std::string& path : places) {
        try {
            if (path != places.front() && !platform::folderExists(folder)) platform::createFolder(folder);
            platform::writeWholeFile(path, text);
            return path;
        } catch (const RuntimeError& e) {
            failures.push_back({path, e.description()});
        }
    }
    return "";
}

Record readRecord(const std::string& path) {
    std::vector<std::string> lines = platform::readTextLines(path);
    Record record;
    // Earlier versions wrote the file in the system's code page, this one in
    // the program's (UTF-8 where Windows allows it).
    for (size_t n = 1; n <= 8 && n <= lines.size(); ++n)
        record.entries.line(static_cast<int>(n)) = platform::ansiFromStored(lines[n - 1]);
    record.count = lines.size() < 8 ? lines.size() : 8;
    return record;
}

std::string fileText(const SettingsEntries& entries) {
    std::string text;
    for (int n = 1; n <= SettingsEntries::kLines; ++n) text += entries.line(n) + "\r\n";
    return text;
}

int lineAsInteger(const std::string& line) {
    if (!platform::readsAsNumber(line)) throw RuntimeError(platform::kTypeMismatch);
    double v = platform::roundHalfAway(platform::numberOf(line));
    if (!(std::fabs(v) <= 32767)) throw RuntimeError(platform::kOverflow);
    return static_cast<int>(v);
}

std::string notSavedMessage(const std::vector<NotWritten>& failures) {
    std::string text = "Your settings could not be saved:\r\n";
    for (const NotWritten& f : failures) text += "  " + f.path + ": " + f.reason + "\r\n";
    return text + "Choose Save Settings again once one of these files can be written.";
}

std::string notReadMessage(const std::string& path, const std::string& reason) {
    return "The settings file " + path + " could not be read: " + reason +
           ".\r\nNothing was changed. Use Save Settings to write a new one.";
}

std::string noSettingsMessage() {
    return "There is no settings file, neither " + settingsPath() + " beside the program nor " + userSettingsPath() +
           ".\r\nNothing was changed. Use Save Settings to write one.";
}

std::string savedMessage(const std::string& path) {
    return "Your settings have been saved!\r\n\r\nSettings file: " + path;
}

std::string loadedMessage(const std::string& path) {
    return "Your settings have been loaded!\r\n\r\nSettings file: " + path;
}

std::string missingLine(int n) { return "line " + std::to_string(n) + " is missing"; }

std::string faultyLine(int n, const std::string& text, const std::string& reason) {
    // Enough of the line to recognise it, with control bytes shown as "?".
    std::string shown;
    for (char c : text.substr(0, 60)) shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    if (text.size() > 60) shown += "...";
    return "line " + std::to_string(n) + " \"" + shown + "\": " + reason;
}

std::string notAppliedMessage(const std::string& path, const std::vector<std::string>& faults) {
    std::string text = "Some settings in the file " + path + " could not be applied:\r\n";
    for (const std::string& f : faults) text += "  " + f + "\r\n";
    return text + "The other settings were loaded. Choose Save Settings to write the file anew.";
}

}  // namespace settings
