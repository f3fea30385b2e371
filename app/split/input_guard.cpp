#include "split/input_guard.h"

#include "platform/files.h"
#include "split/job.h"
#include "split/kit.h"
#include "split/names.h"

namespace split {

namespace {
bool isInput(const std::string& path, const platform::FileIdentity& input) {
    platform::FileIdentity other;
    return platform::identifyFile(path, other) && other == input;
}
}  // namespace

std::string inputTargetClash(const SplitJob& job, const std::string& inDir, const std::string& fileName) {
    platform::FileIdentity input;
    if (!platform::identifyFile(job.inPath, input)) return inputClash(inDir, fileName, job.outDir);
    for (int n = 1; n <= 99; ++n)
        if (isInput(piecePath(job.outDir, job.pieceStem, n), input)) return overwrittenByPiecesText(fileName);
    if (isInput(batchPath(job.outDir, job.batchStem), input)) return overwrittenByBatchText(fileName);
    if (isInput(joinerPath(job.outDir, job.batchStem), input)) return overwrittenByJoinerText(fileName);
    if (isInput(checksumPath(job.outDir, job.batchStem + job.extension), input))
        return "The file " + fileName + " would be overwritten by its own checksum file.\r\n"
               "Choose another output folder or rename the file.";
    return "";
}

}  // namespace split
