// The recombination batch file: one copy /b line in the folder of the pieces
// (several where one would pass the command interpreter's line length).
#include <string>

#include "platform/files.h"
#include "platform/guarded.h"
#include "split/job.h"
#include "split/names.h"
#include "split/run.h"

namespace split {

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
