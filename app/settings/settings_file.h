// The settings file "cleav.ini": eight lines, each ended by CR LF, one value
// per line. A copy that can write it beside itself does (a portable one on a
// stick); one installed where it cannot (or whose file there is read-only)
// keeps it per user, in %APPDATA%\Cleavo.
#pragma once
#include <string>
#include <vector>

#include "settings/settings_entries.h"

namespace settings {

// The program's folder, a backslash unless it ends in one, "cleav.ini".
std::string settingsPath();
// %APPDATA%\Cleavo\cleav.ini; empty when the system gives no such folder.
std::string userSettingsPath();
// The file start-up and Load Settings read: the one Save Settings wrote last
// of the two, the one beside the program where both were written alike.
std::string settingsPathToRead();

// A file Save Settings could not write, and why.
struct NotWritten {
    std::string path, reason;
};
// Writes the entries beside the program when that file can be written, else
// as the user's file, its folder made when missing. Returns the file written;
// empty when neither could be, each file tried and why then in `failures`.
std::string saveSettings(const SettingsEntries& entries, std::vector<NotWritten>& failures);

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

// What the user reads when the settings cannot be written (each file tried
// named with why) or read, or when lines of it cannot be applied (each named
// by number and text).
std::string notSavedMessage(const std::vector<NotWritten>& failures);
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
