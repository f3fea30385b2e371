#include "platform/ansi_text.h"

#include <windows.h>

#include <cstdlib>

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

bool ansiIsUtf8() { return GetACP() == CP_UTF8; }

namespace {
// A surrogate without its partner has no form in UTF-8 either.
bool pairsWhole(const std::wstring& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;
        else if (c >= 0xD800 && c <= 0xDFFF)
            return false;
    }
    return true;
}

unsigned codePageValue(const wchar_t* name, unsigned fallback) {
    wchar_t value[16] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Nls\\CodePage", name, RRF_RT_REG_SZ,
                     nullptr, value, &size) != ERROR_SUCCESS)
        return fallback;
    unsigned cp = static_cast<unsigned>(wcstoul(value, nullptr, 10));
    return cp && IsValidCodePage(cp) ? cp : fallback;
}
}  // namespace

bool exactNarrowFrom(const std::wstring& text, unsigned codePage, std::string& out) {
    out.clear();
    if (text.empty()) return true;
    if (codePage == CP_UTF8 || (codePage == CP_ACP && ansiIsUtf8())) {
        out = narrowFrom(text, CP_UTF8);
        return pairsWhole(text);
    }
    const int size = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, nullptr, &usedDefault);
    if (n <= 0) return false;
    out.assign(static_cast<size_t>(n), '\0');
    usedDefault = FALSE;
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), size, &out[0], n, nullptr, &usedDefault);
    return !usedDefault;
}

bool exactAnsiFrom(const std::wstring& text, std::string& ansi) { return exactNarrowFrom(text, CP_ACP, ansi); }

unsigned systemOemCodePage() { return codePageValue(L"OEMCP", GetOEMCP() == CP_UTF8 ? 437 : GetOEMCP()); }
unsigned systemAnsiCodePage() { return codePageValue(L"ACP", GetACP() == CP_UTF8 ? 1252 : GetACP()); }

bool isValidUtf8(const std::string& bytes) {
    return bytes.empty() || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                                static_cast<int>(bytes.size()), nullptr, 0) > 0;
}

std::string ansiFromStored(const std::string& bytes) {
    std::wstring text = wideFrom(bytes, isValidUtf8(bytes) ? CP_UTF8 : systemAnsiCodePage());
    return ansiFrom(text);
}

bool dropLastCharacters(const std::string& ansi, size_t n, std::string& rest) {
    std::wstring text = wideFromAnsi(ansi);
    size_t cut = text.size();
    for (size_t i = 0; i < n; ++i) {
        if (cut == 0) return false;
        --cut;
        if (cut > 0 && text[cut] >= 0xDC00 && text[cut] <= 0xDFFF && text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF)
            --cut;
    }
    rest = ansiFrom(text.substr(0, cut));
    return true;
}

size_t wideLength(const std::string& ansi) { return wideFromAnsi(ansi).size(); }

std::vector<std::wstring> linesOf(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool sameFileName(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

bool sameFileName(const std::string& ansiA, const std::string& ansiB) {
    return sameFileName(wideFromAnsi(ansiA), wideFromAnsi(ansiB));
}

}  // namespace platform
