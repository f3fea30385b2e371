#include "platform/ansi_text.h"

#include <windows.h>

namespace platform {

std::wstring wideFrom(const std::string& bytes, unsigned codePage) {
    if (bytes.empty()) return std::wstring();
    const int size = static_cast<int>(bytes.size());
    int n = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, &out[0], n);
    return out;
}

std::string narrowFrom(const std::wstring& text, unsigned codePage) {
    if (text.empty()) return std::string();
    const int size = static_cast<int>(text.size());
    int n = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, &out[0], n, nullptr, nullptr);
    return out;
}

std::wstring wideFromAnsi(const std::string& ansi) { return wideFrom(ansi, CP_ACP); }
std::string ansiFrom(const std::wstring& text) { return narrowFrom(text, CP_ACP); }
std::string utf8FromAnsi(const std::string& ansi) { return narrowFrom(wideFromAnsi(ansi), CP_UTF8); }

bool sameFileName(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

bool sameFileName(const std::string& ansiA, const std::string& ansiB) {
    return sameFileName(wideFromAnsi(ansiA), wideFromAnsi(ansiB));
}

}  // namespace platform
