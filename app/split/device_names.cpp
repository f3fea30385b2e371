#include "split/device_names.h"

#include <initializer_list>

#include "platform/ansi_text.h"
#include "split/messages.h"

namespace split {

namespace {
wchar_t upper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }
}  // namespace

std::string deviceNamed(const std::string& fileName) {
    std::wstring base = platform::wideFromAnsi(fileName);
    base = base.substr(0, base.find(L'.'));
    while (!base.empty() && base.back() == L' ') base.pop_back();
    for (wchar_t& c : base) c = upper(c);
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL"})
        if (base == device) return platform::ansiFrom(base);
    if (base.size() != 4 || (base.compare(0, 3, L"COM") != 0 && base.compare(0, 3, L"LPT") != 0)) return "";
    // COM1 to COM9, LPT1 to LPT9; Windows counts the superscript digits 1 to 3 as well.
    const wchar_t n = base[3];
    const bool numbered = (n >= L'1' && n <= L'9') || n == L'\u00B9' || n == L'\u00B2' || n == L'\u00B3';
    return numbered ? platform::ansiFrom(base) : "";
}

std::string reservedNameRefusal(const std::string& inFileName, const std::vector<std::string>& namesWritten) {
    std::string device = deviceNamed(inFileName);
    if (!device.empty()) return reservedInputText(inFileName, device);
    for (const std::string& name : namesWritten) {
        device = deviceNamed(name);
        if (!device.empty()) return reservedOutputText(inFileName, device, name);
    }
    return "";
}

}  // namespace split
