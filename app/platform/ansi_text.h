// The program's texts are ANSI (the system's code page); these turn them into
// the forms other parts of the system read, and back: the command
// interpreter's OEM, the UTF-8 of the receiver's files, wide names.
#pragma once
#include <string>

namespace platform {

std::wstring wideFrom(const std::string& bytes, unsigned codePage);
std::string narrowFrom(const std::wstring& text, unsigned codePage);

std::wstring wideFromAnsi(const std::string& ansi);
std::string ansiFrom(const std::wstring& text);
std::string utf8FromAnsi(const std::string& ansi);

// As the file system compares names: ordinal, letter case ignored.
bool sameFileName(const std::wstring& a, const std::wstring& b);
bool sameFileName(const std::string& ansiA, const std::string& ansiB);

}  // namespace platform
