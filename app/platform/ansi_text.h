// The program's texts are ANSI: the process's code page, which the manifest
// makes UTF-8 wherever Windows allows it (Windows 10 1903 and later), and
// the system's own code page elsewhere. These turn them into the forms other
// parts of the system read, and back: the command interpreter's OEM, the
// UTF-8 of the receiver's files, wide names.
#pragma once
#include <string>
#include <vector>

namespace platform {

std::wstring wideFrom(const std::string& bytes, unsigned codePage);
std::string narrowFrom(const std::wstring& text, unsigned codePage);

std::wstring wideFromAnsi(const std::string& ansi);
std::string ansiFrom(const std::wstring& text);
std::string utf8FromAnsi(const std::string& ansi);

// The wide text in the program's ANSI code page, false when a character has
// no form there; no look-alike letter stands in, since that would name
// another file. What has no form is written "?".
bool exactAnsiFrom(const std::wstring& text, std::string& ansi);
// The same for any code page; in UTF-8 only a lone surrogate has no form.
bool exactNarrowFrom(const std::wstring& text, unsigned codePage, std::string& out);

// True when the program's texts are UTF-8, so that every name has a form.
bool ansiIsUtf8();
// The code pages the system itself keeps, whatever the program's manifest
// asks for its own process: the command interpreter reads batch files in the
// OEM one, files of earlier versions were written in the ANSI one.
unsigned systemOemCodePage();
unsigned systemAnsiCodePage();

bool isValidUtf8(const std::string& bytes);
// Text stored by this or an earlier version (a settings line): UTF-8 where it
// is valid UTF-8, the system's ANSI code page otherwise; in the program's.
std::string ansiFromStored(const std::string& bytes);

// The text less its last n characters, a character being a code point (a
// surrogate pair counts once and is never cut); false when it is shorter.
bool dropLastCharacters(const std::string& ansi, size_t n, std::string& rest);
// How many UTF-16 units the command interpreter counts in the text.
size_t wideLength(const std::string& ansi);

// The lines of a text, each without its LF or CR LF.
std::vector<std::wstring> linesOf(const std::wstring& text);

// As the file system compares names: ordinal, letter case ignored.
bool sameFileName(const std::wstring& a, const std::wstring& b);
bool sameFileName(const std::string& ansiA, const std::string& ansiB);

}  // namespace platform
