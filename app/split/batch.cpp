// The recombination batch file: one copy /b line in the folder of the pieces
// (several where one would pass the command interpreter's line length).
#include "split/batch.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "platform/ansi_text.h"
#include "platform/numbers.h"

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


// The names as the batch file writes them, in the OEM code page. Where the
// batch file's own name holds a character without an OEM form, the command
// interpreter still knows that name: "%~n0" is the batch file's name less
// ".bat", which is the input's name up to its first "."; the lines are then
// plain ASCII apart from the rest of the names.
struct WrittenNames {
    std::string prelude;  // lines before the copy lines
    std::string stem;     // of the pieces
    std::string target;   // the rebuilt file
    size_t selfNames = 0; // how often a line names the batch file's own name
};

bool namesInOem(const std::string& pieceStem, const std::string& batchStem, const std::string& extension,
                WrittenNames& names) {
    if (ansiToOem(escapePercent(pieceStem), names.stem) &&
        ansiToOem(escapePercent(batchStem) + escapePercent(extension), names.target))
        return true;
    // Both stems begin the input's name, so one begins the other. A "%" in
    // the batch file's own name is read again after "%~n0" is put in by
    // some interpreters (Wine's among them), and takes the line apart.
    std::string extensionOem, restOem;
    if (batchStem.find('%') != std::string::npos) return false;
    if (!ansiToOem(escapePercent(extension), extensionOem)) return false;
    names.target = "%~n0" + extensionOem;
    names.selfNames = 2;
    if (pieceStem.compare(0, batchStem.size(), batchStem) == 0) {
        if (!ansiToOem(escapePercent(pieceStem.substr(batchStem.size())), restOem)) return false;
        names.stem = "%~n0" + restOem;
    } else if (pieceStem.empty()) {
        names.stem.clear();
        names.selfNames = 1;
    } else {
        // The pieces' stem is the first characters of the batch file's name,
        // cut as the interpreter counts them: in UTF-16 units.
        names.prelude = "@setlocal\r\n@set \"n=%~n0\"\r\n";
        names.stem = "%n:~0," + std::to_string(platform::wideLength(pieceStem)) + "%";
    }
    return true;
}

}  // namespace

bool batchFileText(const std::string& pieceStem, const std::string& batchStem, const std::string& extension,
                   int pieceCount, std::string& oemText, size_t maxLine) {
    oemText.clear();
    WrittenNames names;
    if (!namesInOem(pieceStem, batchStem, extension, names)) return false;
    // A line is measured as the interpreter reads it, with the batch file's
    // own name put in (counted in bytes, which is never fewer than its units).
    const size_t perSelfName = platform::utf8FromAnsi(batchStem).size();
    auto measure = [&](const std::string& line, size_t selfNames) { return line.size() + selfNames * perSelfName; };
    const std::string tail = "\"" + names.target + "\"";
    auto part = [&](int n) { return "\"" + names.stem + ".S" + platform::twoDigits(n) + "\" /b "; };
    const size_t stemSelf = names.selfNames > 1 ? 1 : 0, tailSelf = names.selfNames ? 1 : 0;
    std::string line = "copy " + part(1);
    size_t lineSelf = stemSelf;
    for (int n = 2; n <= pieceCount; ++n) {
        std::string next = " + " + part(n);
        if (measure(line + next + tail, lineSelf + stemSelf + tailSelf) > maxLine) {
            oemText += line + tail + "\r\n";
            line = "copy " + tail + " /b ";  // appends to what the lines before wrote
            lineSelf = tailSelf;
        }
        line += next;
        lineSelf += stemSelf;
    }
    oemText = names.prelude + oemText + line + tail + "\r\n";
    return true;
}

std::wstring expandBatchLine(const std::wstring& line, const std::wstring& ownStem) {
    std::wstring out;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != L'%') {
            out += line[i];
        } else if (line.compare(i, 2, L"%%") == 0) {
            out += L'%';
            ++i;
        } else if (line.compare(i, 4, L"%~n0") == 0) {
            out += ownStem;
            i += 3;
        } else if (line.compare(i, 6, L"%n:~0,") == 0 && line.find(L'%', i + 6) != std::wstring::npos) {
            const size_t close = line.find(L'%', i + 6);
            out += ownStem.substr(0, static_cast<size_t>(wcstoul(line.substr(i + 6, close - i - 6).c_str(), nullptr, 10)));
            i = close;
        } else {
            out += line[i];
        }
    }
    return out;
}

bool ansiToOem(const std::string& ansi, std::string& oem) {
    oem.clear();
    if (ansi.empty()) return true;
    std::wstring text = platform::wideFromAnsi(ansi);
    if (text.empty()) return false;
    // No best fit: a look-alike letter would make the batch name another
    // file. The system's own OEM code page, which the interpreter reads in,
    // not the process's (UTF-8 where the manifest makes it so).
    return platform::exactNarrowFrom(text, platform::systemOemCodePage(), oem);
}


bool readBatchRecord(const std::string& bytes, const std::wstring& ownStem, SplitRecord& record) {
    for (const std::wstring& written : platform::linesOf(platform::wideFrom(bytes, platform::systemOemCodePage()))) {
        const std::wstring line = expandBatchLine(written, ownStem);
        size_t first = line.find_first_not_of(L" \t");
        if (first == std::wstring::npos || !platform::sameFileName(line.substr(first, 5), L"copy ")) continue;
        if (line.find(L"/b") == std::wstring::npos && line.find(L"/B") == std::wstring::npos) continue;
        std::vector<std::wstring> quoted;
        for (size_t open = line.find(L'"'); open != std::wstring::npos; open = line.find(L'"', open)) {
            size_t close = line.find(L'"', open + 1);
            if (close == std::wstring::npos) break;
            quoted.push_back(line.substr(open + 1, close - open - 1));
            open = close + 1;
        }
        if (quoted.size() < 2) continue;
        record.owner = quoted.back();
        for (size_t i = 0; i + 1 < quoted.size(); ++i)
            if (!platform::sameFileName(quoted[i], record.owner)) record.pieces.push_back(quoted[i]);
    }
    return !record.owner.empty();
}

}  // namespace split
