#include "split/input_guard.h"

#include <windows.h>

#include "platform/ansi_text.h"
#include "platform/files.h"
#include "platform/runtime_error.h"
#include "split/job.h"
#include "split/messages.h"
#include "split/names.h"
#include "split/split_outputs.h"

namespace split {

namespace {

std::string withoutTrailingSeparators(std::string folder) {
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

const char* const kPieceFiles = "piece files";

bool isInput(const std::string& path, const platform::FileIdentity& input) {
    platform::FileIdentity other;
    return platform::identifyFile(path, other) && other == input;
}
}  // namespace

std::string inputClash(const std::string& inDir, const std::string& fileName, const std::string& outDir) {
    if (!platform::sameFileName(withoutTrailingSeparators(inDir), withoutTrailingSeparators(outDir))) return "";
    // A name too short for its pieces ends the click before anything is written.
    std::string stem;
    if (!pieceStemOf(fileName, stem)) return "";
    const SplitOutputs own(outDir, fileName);
    for (int n = 1; n <= kMaxPieces; ++n)
        if (platform::sameFileName(fileName, own.pieceName(n))) return overwrittenByText(fileName, kPieceFiles);
    for (RecordKind kind : SplitOutputs::recordKinds())
        if (platform::sameFileName(fileName, own.recordName(kind)))
            return overwrittenByText(fileName, SplitOutputs::describe(kind));
    return "";
}

std::string inputTargetClash(const SplitJob& job, const std::string& inDir, const std::string& fileName) {
    const SplitOutputs& out = job.outputs;
    platform::FileIdentity input;
    if (!platform::identifyFile(job.inPath, input)) return inputClash(inDir, fileName, out.folder());
    for (int n = 1; n <= kMaxPieces; ++n)
        if (isInput(out.piecePath(n), input)) return overwrittenByText(fileName, kPieceFiles);
    for (RecordKind kind : SplitOutputs::recordKinds())
        if (isInput(out.path(out.recordName(kind)), input))
            return overwrittenByText(fileName, SplitOutputs::describe(kind));
    return "";
}

std::string rebuildsItselfText(const SplitOutputs& outputs) {
    const std::string& target = outputs.target();
    for (int n = 1; n <= kMaxPieces; ++n)
        if (platform::sameFileName(target, outputs.pieceName(n))) return rebuildsOwnPieceText(target);
    for (RecordKind kind : SplitOutputs::recordKinds())
        if (platform::sameFileName(target, outputs.recordName(kind)))
            return rebuildsOwnScriptText(target, SplitOutputs::describe(kind));
    return "";
}

}  // namespace split
