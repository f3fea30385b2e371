// The settings file "cleav.ini": eight lines, each ended by CR LF, one value
// per line. A copy that can keep it beside itself does (a portable one on a
// stick); one installed where it cannot write keeps it per user, in
// %APPDATA%\Cleavo.
#pragma once
#include <string>
#include <vector>

#include "settings/settings_entries.h"

namespace settings {

// The program's folder, a backslash unless it ends in one, "cleav.ini".
std::string settingsPath();
// %APPDATA%\Cleavo\cleav.ini; empty when the system gives no such folder.
std::string userSettingsPath();
// The file start-up and Load Settings read: the one beside the program when
// it is there, else the user's.
std::string settingsPathToRead();
// The file Save Settings writes: beside the program when it is there or the
// folder can be written, else the user's, its folder made when missing.
std::string settingsPathToWrite();

// The lines of a settings file as read; count tells how many the file held
// (at most 8), the entries past it are empty.
struct Record {
    SettingsEntries entries;
    size_t count = 0;
};
// Reads the file; a run-time error when it cannot be opened or read.
Record readRecord(const std::string& path);

// The eight entries as the file's bytes.
std::string fileText(const SettingsEntries& entries);

// A line read as a whole number (blanks and a sign allowed, a fraction
// rounded); a run-time error 13 for anything else.
int lineAsInteger(const std::string& line);

// What the user reads when the settings file cannot be written or read, or
// when lines of it cannot be applied (each named by number and text).
std::string notSavedMessage(const std::string& path, const std::string& reason);
std::string notReadMessage(const std::string& path, const std::string& reason);
// Neither file is there.
std::string noSettingsMessage();
// Saved or loaded, and where.
std::string savedMessage(const std::string& path);
std::string loadedMessage(const std::string& path);
std::string missingLine(int n);
std::string faultyLine(int n, const std::string& text, const std::string& reason);
std::string notAppliedMessage(const std::string& path, const std::vector<std::string>& faults);

}  // namespace settings
