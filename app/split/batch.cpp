// The recombination batch file: one copy /b line in the folder of the pieces
// (several where one would pass the command interpreter's line length).
#include "split/batch.h"

#include <windows.h>

#include <vector>

#include "platform/ansi_text.h"
#include "platform/files.h"
#include "platform/guarded.h"
#include "platform/numbers.h"
#include "split/job.h"
#include "split/run.h"

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

}  // namespace

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
    std::wstring text = platform::wideFromAnsi(ansi);
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


using platform::step;

std::string writeBatchFile(const SplitJob& job, RunView& view, bool& namesEveryFile) {
    step(630);
    step(640);
    const std::string path = batchPath(job.outDir, job.batchStem);
    step(650);
    step(655);
    view.repaintStatus();
    view.doEvents();
    step(670);
    // The command interpreter reads batch files in the OEM code page.
    std::string text;
    namesEveryFile = batchFileText(job.pieceStem, job.batchStem, job.extension, job.pieceCount, text);
    if (!namesEveryFile) {
        // A batch file left from an earlier split of this name would now
        // join pieces that this run has replaced.
        platform::deleteFileQuietly(path);
        return path;
    }
    step(660);
    platform::OutputFile file(path);
    step(710);
    try {
        file.write(text);
        file.close();
    } catch (...) {
        file.discard();  // a batch file cut short would rejoin a file cut short
        throw;
    }
    step(720);
    view.doEvents();
    step(730);
    return path;
}

}  // namespace split
