// The program's texts are ANSI (the system's code page); these turn them into
// the forms other parts of the system read.
#pragma once
#include <string>

namespace platform {

std::wstring wideFromAnsi(const std::string& ansi);
std::string utf8FromAnsi(const std::string& ansi);

}  // namespace platform
