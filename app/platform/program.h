// The program itself: its folder, what it is handed from outside (its command
// line, shortcuts), ending it, and starting other programs.
#pragma once
#include <string>
#include <vector>

namespace platform {

// The folder of the running executable, without a trailing backslash
// unless it is a drive root (C:\).
std::string programFolder();

// The user's own roaming application-data folder (%APPDATA%); empty when the
// system gives none.
std::string userAppDataFolder();

// The arguments of a command line, split as the system splits them (quotes
// keep blanks), without the program's own name that comes first.
std::vector<std::string> argumentsOf(const std::wstring& commandLine);
// The arguments this program was started with.
std::vector<std::string> programArguments();

// Whether a path names a shortcut: Explorer tells them by the ending ".lnk".
bool namesShortcut(const std::string& path);
// Where a shortcut leads, as Explorer follows it; empty when it cannot be
// read or leads to no path on a disk (a printer, the Control Panel).
std::string shortcutTarget(const std::string& path);

// Thrown by the test seam of endProgram; never by the real program.
struct ProgramEnded {};

// Ends the process at once; every file it has open is closed by the system.
// Tests install a replacement that records the end instead.
[[noreturn]] void endProgram();
void setEndProgramSeam(void (*seam)());  // the seam must not return normally

// Starts a program from a command line, found by the system's program
// search, with the given show state (SW_...), without waiting for it; it
// works in the given folder, or in this program's current one when that is
// empty. A program that cannot be started is a run-time error 53.
void startProgram(const std::string& commandLine, int showState, const std::string& workingFolder = "");

}  // namespace platform
