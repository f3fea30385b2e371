#include "split/job.h"

#include "split/batch.h"
#include "split/kit.h"
#include "split/names.h"

namespace split {

std::vector<std::string> writtenPaths(const SplitJob& job) {
    std::vector<std::string> paths;
    for (int n = 1; n <= job.pieceCount; ++n) paths.push_back(piecePath(job.outDir, job.pieceStem, n));
    paths.push_back(batchPath(job.outDir, job.batchStem));
    paths.push_back(joinerPath(job.outDir, job.batchStem));
    paths.push_back(checksumPath(job.outDir, job.batchStem + job.extension));
    return paths;
}

}  // namespace split
