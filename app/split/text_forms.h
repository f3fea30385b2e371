// Names in the code pages they are written in: the program's ANSI, the
// command interpreter's OEM, UTF-8 of the checksum files.
#pragma once
#include <string>

namespace split {

std::wstring wideFrom(const std::string& bytes, unsigned codePage);
std::string ansiFrom(const std::wstring& text);
// As the file system compares names: ordinal, letter case ignored.
bool sameFileName(const std::wstring& a, const std::wstring& b);

}  // namespace split
