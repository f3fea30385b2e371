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

std::string pieceStem(const std::string& fileName, unsigned codePage) {
    const char* begin = fileName.c_str();
    const char* cut = begin + fileName.size();
    for (int n = 0; n < 4; ++n) {
        if (cut == begin) throw platform::RuntimeError(platform::kInvalidCall);
        cut = CharPrevExA(static_cast<WORD>(codePage), begin, cut, 0);
    }
    return fileName.substr(0, static_cast<size_t>(cut - begin));
}

std::string batchStem(const std::string& fileName) { return fileName.substr(0, fileName.find('.')); }

std::string extension(const std::string& fileName) {
    size_t dot = fileName.find('.');
    return dot == std::string::npos ? std::string() : fileName.substr(dot);
}

std::string pieceName(const std::string& stem, int n) { return stem + ".S" + platform::twoDigits(n); }

std::string piecePath(const std::string& folder, const std::string& stem, int n) {
    return platform::joinFolder(folder, pieceName(stem, n));
}

std::string batchPath(const std::string& folder, const std::string& batchStem) {
    return platform::joinFolder(folder, batchStem + ".bat");
}

std::string batchLine(const std::string& pieceStem, const std::string& batchStem, const std::string& extension,
                      int pieceCount) {
    const std::string stem = escapePercent(pieceStem);
    std::string line = "copy \"" + stem + ".S01\" /b ";
    for (int n = 2; n <= pieceCount; ++n) line += " + \"" + stem + ".S" + platform::twoDigits(n) + "\" /b ";
    return line + "\"" + escapePercent(batchStem) + escapePercent(extension) + "\"";
}

bool batchFileText(const std::string& pieceStem, const std::string& batchStem, const std::string& extension,
                   int pieceCount, std::string& oemText, size_t maxLine) {
    oemText.clear();
    std::string oneLine;
    if (!ansiToOem(batchLine(pieceStem, batchStem, extension, pieceCount), oneLine)) return false;
    if (oneLine.size() <= maxLine) {
        oemText = oneLine + "\r\n";
        return true;
    }
    // Too long for one line: the same parts over several lines. The names are
    // turned into the OEM code page once, so each line is measured as written.
    std::string stem, target;
    ansiToOem(escapePercent(pieceStem), stem);
    ansiToOem(escapePercent(batchStem) + escapePercent(extension), target);
    const std::string tail = "\"" + target + "\"";
    auto part = [&](int n) { return "\"" + stem + ".S" + platform::twoDigits(n) + "\" /b "; };
    std::string line = "copy " + part(1);
    for (int n = 2; n <= pieceCount; ++n) {
        std::string next = " + " + part(n);
        if (line.size() + next.size() + tail.size() > maxLine) {
            oemText += line + tail + "\r\n";
            line = "copy " + tail + " /b ";  // appends to what the lines before wrote
        }
        line += next;
    }
    oemText += line + tail + "\r\n";
    return true;
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
    return "All pieces were written, but no batch file was: the name " + fileName +
           " holds a character that the command interpreter cannot read, so the batch file " + batchPath +
           " could not name it.\r\nRejoin the pieces in order with copy /b by hand.";
}

std::string inputChangedMessage(const std::string& inPath) {
    return "The file " + inPath +
           " changed while it was being split: the pieces do not hold it, and no batch file was written.\r\n"
           "Split the file again once nothing else is writing to it.";
}

std::string overwrittenByPiecesText(const std::string& fileName) {
    return "The file " + fileName + " would be overwritten by its own piece files.\r\n"
           "Choose another output folder or rename the file.";
}

std::string overwrittenByBatchText(const std::string& fileName) {
    return "The file " + fileName + " would be overwritten by its own batch file.\r\n"
           "Choose another output folder or rename the file.";
}

std::string overwrittenByJoinerText(const std::string& fileName) {
    return "The file " + fileName + " would be overwritten by its own joiner script.\r\n"
           "Choose another output folder or rename the file.";
}

std::string pieceDoneStatus(int pieceNo) { return "File " + std::to_string(pieceNo) + " Done! Reading..."; }

std::string inputClash(const std::string& inDir, const std::string& fileName, const std::string& outDir) {
    if (!sameName(withoutTrailingSeparators(inDir), withoutTrailingSeparators(outDir))) return "";
    // The pieces keep all but the last four characters, so the input is one of
    // them exactly when those four read ".S01" .. ".S99".
    std::string last;
    try {
        last = fileName.substr(pieceStem(fileName).size());
    } catch (const platform::RuntimeError&) {
    }
    if (last.size() == 4 && sameName(last.substr(0, 2), ".S") && isDigit(last[2]) && isDigit(last[3]) &&
        last.substr(2) != "00")
        return overwrittenByPiecesText(fileName);
    if (sameName(fileName, batchStem(fileName) + ".bat")) return overwrittenByBatchText(fileName);
    if (sameName(fileName, batchStem(fileName) + ".sh")) return overwrittenByJoinerText(fileName);
    return "";
}

}  // namespace split
