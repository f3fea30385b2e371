#include "split/names.h"

#include <windows.h>

#include <vector>

#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"

namespace split {

namespace {

// The command interpreter reads "%" as the start of a variable.
std::string escapePercent(const std::string& name) {
    std::string out;
    for (char c : name) {
        out += c;
        if (c == '%') out += '%';
    }
    return out;
}

std::wstring wide(const std::string& ansi) {
    if (ansi.empty()) return std::wstring();
    int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &out[0], n);
    return out;
}

// Names and folders compare the way the file system does: ordinal, case ignored.
bool sameName(const std::string& a, const std::string& b) {
    std::wstring wa = wide(a), wb = wide(b);
    return CompareStringOrdinal(wa.c_str(), static_cast<int>(wa.size()), wb.c_str(), static_cast<int>(wb.size()),
                                TRUE) == CSTR_EQUAL;
}

std::string withoutTrailingSeparators(std::string folder) {
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string pieceStem(const std::string& fileName) {
    if (fileName.size() < 4) throw platform::RuntimeError(platform::kInvalidCall);
    return fileName.substr(0, fileName.size() - 4);
}

std::string batchStem(const std::string& fileName) { return fileName.substr(0, fileName.find('.')); }

std::string extension(const std::string& fileName) {
    size_t dot = fileName.find('.');
    return dot == std::string::npos ? std::string() : fileName.substr(dot);
}

std::string piecePath(const std::string& folder, const std::string& stem, int n) {
    return platform::joinFolder(folder, stem + ".S" + platform::twoDigits(n));
}

std::string batchLine(const std::string& pieceStem, const std::string& batchStem, const std::string& extension,
                      int pieceCount) {
    const std::string stem = escapePercent(pieceStem);
    std::string line = "copy \"" + stem + ".S01\" /b ";
    for (int n = 2; n <= pieceCount; ++n) line += " + \"" + stem + ".S" + platform::twoDigits(n) + "\" /b ";
    return line + "\"" + escapePercent(batchStem) + escapePercent(extension) + "\"";
}

bool ansiToOem(const std::string& ansi, std::string& oem) {
    oem.clear();
    if (ansi.empty()) return true;
    std::wstring text = wide(ansi);
    if (text.empty()) return false;
    // No best fit: a look-alike letter would make the batch name another file.
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, &usedDefault);
    if (n <= 0) return false;
    std::vector<char> out(static_cast<size_t>(n));
    usedDefault = FALSE;
    WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, &usedDefault);
    oem.assign(out.data(), out.size());
    return !usedDefault;
}

std::string successMessage(const std::string& batchPath) {
    return "Operation Successful!\r\nUse: " + batchPath + " to combine!";
}

std::string successMessageWithoutBatch(const std::string& batchPath, const std::string& fileName) {
    return "All pieces were written, but the batch file " + batchPath +
           " cannot rejoin them: the name " + fileName +
           " holds a character that the command interpreter cannot read.\r\n"
           "Rejoin the pieces with copy /b by hand.";
}

std::string inputClash(const std::string& inDir, const std::string& fileName, const std::string& outDir) {
    if (!sameName(withoutTrailingSeparators(inDir), withoutTrailingSeparators(outDir))) return "";
    const std::string tail =
        "\r\nChoose another output folder or rename the file.";
    // The pieces keep all but the last four characters, so the input is one of
    // them exactly when those four read ".S01" .. ".S99".
    if (fileName.size() >= 4) {
        std::string last = fileName.substr(fileName.size() - 4);
        if (sameName(last.substr(0, 2), ".S") && isDigit(last[2]) && isDigit(last[3]) && last.substr(2) != "00")
            return "The file " + fileName + " would be overwritten by its own piece files." + tail;
    }
    if (sameName(fileName, batchStem(fileName) + ".bat"))
        return "The file " + fileName + " would be overwritten by its own batch file." + tail;
    return "";
}

}  // namespace split
