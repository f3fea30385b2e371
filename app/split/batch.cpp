// The recombination batch file: one copy /b line in the folder of the pieces
// (several where one would pass the command interpreter's line length).
#include "split/batch.h"

#include <windows.h>

#include <algorithm>
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
    std::string prelude;  // a line that sets n to the batch file's own name, where the stem is cut from it
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
        names.prelude = "set \"n=%~n0\"";
        names.stem = "%n:~0," + std::to_string(platform::wideLength(pieceStem)) + "%";
    }
    return true;
}

}  // namespace

namespace {

// SHA-256 of no bytes: certutil refuses an empty file, whose hash is this.
const char* const kEmptySha256 = "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";

// Names stand in quotation marks everywhere, never in variables: some
// interpreters (Wine's) read a "%" of a variable's value again. Names reach
// commands only by a for variable, never through call, which reads "%" and
// "^" again. The rebuilt file gets a name of its own, "<target>.<random>.tmp"
// (`%r%`), until it is checked. A failed command is told by "if errorlevel 1"
// on the next line: Wine's interpreter runs what follows "||" every time.
const std::string kOnError = "if errorlevel 1 ";
struct BatchWriter {
    const WrittenNames& names;
    std::string text;

    std::string q(const std::string& name) const { return "\"" + name + "\""; }
    std::string piece(int n) const { return q(names.stem + ".S" + platform::twoDigits(n)); }
    std::string temp() const { return q(names.target + ".%r%.tmp"); }
    // certutil's answer, read from a file: a for /f over a command starts
    // two programs, which took four times as long.
    std::string answer() const { return q(names.target + ".%r%.hash"); }
    void line(const std::string& l) { text += l + "\r\n"; }

    // Has certutil hash `file` into answer(), when the check can run (c); an
    // empty file, which certutil refuses, has its hash in h at once.
    void hashOf(const std::string& file) {
        line("if defined c for %%f in (" + file + ") do if %%~zf==0 (set h=" + kEmptySha256 +
             ") else %SystemRoot%\\System32\\certutil.exe -hashfile %%f SHA256 >" + answer());
    }
    // The list's line for it: the pieces' lines in order, then the whole file's.
    static std::string skip(int lineNo) { return lineNo ? "\"skip=" + std::to_string(lineNo) + "\"" : "\"\""; }
};

}  // namespace

bool batchFileText(const std::string& pieceStem, const std::string& batchStem, const std::string& extension,
                   const std::string& checksumName, int pieceCount, std::string& oemText, size_t maxLine) {
    oemText.clear();
    WrittenNames names;
    if (!namesInOem(pieceStem, batchStem, extension, names)) return false;
    // The list is named after the rebuilt file.
    std::string listRest;
    const std::string target = batchStem + extension;
    if (checksumName.compare(0, target.size(), target) != 0 ||
        !ansiToOem(escapePercent(checksumName.substr(target.size())), listRest))
        return false;
    BatchWriter w{names, ""};
    const std::string list = w.q(names.target + listRest), goal = w.q(names.target);
    w.line("@echo off");
    w.line("rem Rebuilds " + goal + " from its pieces in this folder and checks them against " + list +
           " where Windows has certutil.");
    w.line("setlocal");
    w.line("pushd \"%~dp0\"");
    if (!names.prelude.empty()) w.line(names.prelude);
    w.line("set e=0& set m=& set d=& set h=& set c=& set r=");
    for (int n = 1; n <= std::max(pieceCount, 1); ++n)
        w.line("if not exist " + w.piece(n) + " echo Missing: " + w.piece(n) + "& set m=1");
    w.line("if defined m (echo Pieces are missing: nothing was written.& goto fail)");
    w.line("if exist " + w.q(names.target + "\\*") + " (echo " + goal +
           " is a folder: nothing was written.& goto fail)");
    w.line(":temp");
    w.line("set r=%random%");
    w.line("if exist " + w.temp() + " goto temp");
    w.line("if exist " + w.answer() + " goto temp");
    w.line("if exist \"%SystemRoot%\\System32\\certutil.exe\" set c=1");
    w.line("if not exist " + list + " set c=");
    for (int n = 1; n <= std::max(pieceCount, 1); ++n) {
        w.hashOf(w.piece(n));
        w.line("call :same " + BatchWriter::skip(n - 1));
        w.line("if errorlevel 1 echo Damaged: " + w.piece(n) + " does not match its SHA-256");
    }
    w.line("if defined d (echo Pieces are damaged: nothing was written.& goto fail)");

    // The copy lines, each within the interpreter's line as it reads it:
    // with the batch file's own name put in (counted in bytes, which is
    // never fewer than its units) and five digits for %r%.
    const size_t perSelfName = platform::utf8FromAnsi(batchStem).size();
    const std::string tail = w.temp() + " >nul";
    auto measure = [&](const std::string& line, size_t selfNames) {
        return line.size() + selfNames * perSelfName + 2 * 2;
    };
    auto part = [&](int n) { return w.piece(n) + " /b "; };
    const size_t stemSelf = names.selfNames > 1 ? 1 : 0, tailSelf = names.selfNames ? 1 : 0;
    std::string copy = "copy " + part(1);
    size_t copySelf = stemSelf;
    for (int n = 2; n <= pieceCount; ++n) {
        std::string next = " + " + part(n);
        if (measure(copy + next + tail, copySelf + stemSelf + tailSelf) > maxLine) {
            w.line(copy + tail);
            w.line(kOnError + "goto cannot");
            copy = "copy " + w.temp() + " /b ";  // appends to what the lines before wrote
            copySelf = tailSelf;
        }
        copy += next;
        copySelf += stemSelf;
    }
    w.line(copy + tail);
    w.line(kOnError + "goto cannot");
    w.hashOf(w.temp());
    w.line("call :same " + BatchWriter::skip(std::max(pieceCount, 1)));
    w.line(kOnError + "(del " + w.temp() + "& echo The rebuilt " + goal +
           " does not match its SHA-256: nothing was written.& goto fail)");
    w.line("move /y " + w.temp() + " " + goal + " >nul");
    w.line(kOnError + "goto cannot");
    w.line("if defined c (echo " + goal + " rebuilt and checked: OK) else echo " + goal +
           " rebuilt, not checked: compare what certutil -hashfile " + goal + " SHA256 prints with the last line of " +
           list + ".");
    w.line("goto end");
    w.line(":cannot");
    w.line("if exist " + w.temp() + " del " + w.temp());
    w.line("echo " + goal + " could not be written.");
    w.line(":fail");
    w.line("set e=1");
    w.line(":end");
    w.line("if exist " + w.answer() + " del " + w.answer());
    // Started by a double-click, the window would close before the outcome
    // could be read: the interpreter then runs /c ""<this file's path>" ".
    // Where cmdcmdline is not there at all, its text after ":" is left
    // (Wine's), so the quotation marks are taken out twice.
    w.line("set \"q=%cmdcmdline:\"=%\"");
    w.line("set \"q=%q:\"=%\"");
    w.line("set \"f=%~f0 \"");
    w.line("if /i \"%q:*/c =%\"==\"%f%\" pause");
    w.line("popd");
    w.line("exit /b %e%");
    // Compares h, else certutil's second line, with the hash on a line of the
    // list; a certutil that gave no hash leaves the rest unchecked.
    w.line(":same");
    w.line("if not defined c exit /b 0");
    w.line("set w=");
    w.line("if not defined h for /f \"usebackq skip=1 delims=\" %%a in (" + w.answer() +
           ") do if not defined h set \"h=%%a\"");
    w.line("if not defined h set c=& exit /b 0");
    w.line("for /f \"usebackq %~1 tokens=1\" %%a in (" + list + ") do if not defined w set \"w=%%a\"");
    w.line("set \"h=%h: =%\"");
    w.line("if /i \"%h%\"==\"%w%\" set h=& exit /b 0");
    w.line("set h=& set d=1& exit /b 1");
    oemText = w.text;
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
    // Each copy line writes its last quoted name from the others, the later
    // ones appending to it; a move line may then give it the name it rebuilds.
    std::wstring written;
    for (const std::wstring& text : platform::linesOf(platform::wideFrom(bytes, platform::systemOemCodePage()))) {
        const std::wstring line = expandBatchLine(text, ownStem);
        size_t first = line.find_first_not_of(L" \t");
        if (first == std::wstring::npos) continue;
        const bool copy = platform::sameFileName(line.substr(first, 5), L"copy ");
        if (!copy && !platform::sameFileName(line.substr(first, 5), L"move ")) continue;
        if (copy && line.find(L"/b") == std::wstring::npos && line.find(L"/B") == std::wstring::npos) continue;
        std::vector<std::wstring> quoted;
        for (size_t open = line.find(L'"'); open != std::wstring::npos; open = line.find(L'"', open)) {
            size_t close = line.find(L'"', open + 1);
            if (close == std::wstring::npos) break;
            quoted.push_back(line.substr(open + 1, close - open - 1));
            open = close + 1;
        }
        if (quoted.size() < 2) continue;
        if (!copy) {
            if (platform::sameFileName(quoted[0], written)) written = quoted.back();
            continue;
        }
        written = quoted.back();
        for (size_t i = 0; i + 1 < quoted.size(); ++i)
            if (!platform::sameFileName(quoted[i], written)) record.pieces.push_back(quoted[i]);
    }
    record.owner = written;
    return !record.owner.empty();
}

}  // namespace split
