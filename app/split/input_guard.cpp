#include "split/input_guard.h"

#include <windows.h>

#include "platform/ansi_text.h"
#include "platform/files.h"
#include "platform/runtime_error.h"
#include "split/job.h"
#include "split/messages.h"
#include "split/names.h"

namespace split {

namespace {

std::string withoutTrailingSeparators(std::string folder) {
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isInput(const std::string& path, const platform::FileIdentity& input) {
    platform::FileIdentity other;
    return platform::identifyFile(path, other) && other == input;
}
}  // namespace

std::string inputClash(const std::string& inDir, const std::string& fileName, const std::string& outDir) {
    if (!platform::sameFileName(withoutTrailingSeparators(inDir), withoutTrailingSeparators(outDir))) return "";
    // The pieces keep all but the last four characters, so the input is one of
    // them exactly when those four read ".S01" .. ".S99".
    std::string last;
    try {
        last = fileName.substr(pieceStem(fileName).size());
    } catch (const platform::RuntimeError&) {
    }
    if (last.size() == 4 && platform::sameFileName(last.substr(0, 2), ".S") && isDigit(last[2]) && isDigit(last[3]) &&
        last.substr(2) != "00")
        return overwrittenByPiecesText(fileName);
    if (platform::sameFileName(fileName, batchStem(fileName) + ".bat")) return overwrittenByBatchText(fileName);
    if (platform::sameFileName(fileName, batchStem(fileName) + ".sh")) return overwrittenByJoinerText(fileName);
    return "";
}

std::string inputTargetClash(const SplitJob& job, const std::string& inDir, const std::string& fileName) {
    const SplitOutputs& out = job.outputs;
    platform::FileIdentity input;
    if (!platform::identifyFile(job.inPath, input)) return inputClash(inDir, fileName, out.folder());
    for (int n = 1; n <= kMaxPieces; ++n)
        if (isInput(out.piecePath(n), input)) return overwrittenByPiecesText(fileName);
    if (isInput(out.path(out.batchName()), input)) return overwrittenByBatchText(fileName);
    if (isInput(out.path(out.joinerName()), input)) return overwrittenByJoinerText(fileName);
    if (isInput(out.path(out.checksumName()), input)) return overwrittenByChecksumsText(fileName);
    return "";
}

std::string rebuildsItselfText(const SplitOutputs& outputs) {
    const std::string& target = outputs.target();
    for (int n = 1; n <= kMaxPieces; ++n)
        if (platform::sameFileName(target, outputs.pieceName(n))) return rebuildsOwnPieceText(target);
    if (platform::sameFileName(target, outputs.batchName())) return rebuildsOwnScriptText(target, "batch file");
    if (platform::sameFileName(target, outputs.joinerName())) return rebuildsOwnScriptText(target, "joiner script");
    return "";
}

}  // namespace split
