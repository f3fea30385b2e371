// The settings file "cleav.ini" beside the program: eight lines, each ended
// by CR LF, one value per line.
#pragma once
#include <array>
#include <string>

namespace settings {

// The program's folder, a backslash unless it ends in one, "cleav.ini".
std::string settingsPath();

// The eight entries (1 to 8; element 0 unused) as the file's bytes.
std::string fileText(const std::array<std::string, 9>& entries);

// A line read as a whole number (blanks and a sign allowed, a fraction
// rounded); a run-time error 13 for anything else.
int lineAsInteger(const std::string& line);

}  // namespace settings
