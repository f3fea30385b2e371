#include "split/job.h"

#include "split/batch.h"
#include "split/kit.h"
#include "split/names.h"

namespace split {

std::vector<std::string> writtenPaths(const SplitJob& job, int pieceCount) {
    std::vector<std::string> paths;
    for (int n = 1; n <= pieceCount; ++n) paths.push_back(piecePath(job.outDir, job.pieceStem, n));
    paths.push_back(batchPath(job.outDir, job.batchStem));
    paths.push_back(joinerPath(job.outDir, job.batchStem));
    paths.push_back(checksumPath(job.outDir, job.batchStem + job.extension));
    return paths;
}

std::vector<std::string> writtenNames(const SplitJob& job, int pieceCount) {
    std::vector<std::string> names = writtenPaths(job, pieceCount);
    for (std::string& name : names) name = name.substr(name.find_last_of('\\') + 1);
    return names;
}

}  // namespace split
