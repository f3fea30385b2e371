// The recombination batch file: one copy /b line in the folder of the pieces.
#include <string>

#include "platform/files.h"
#include "platform/program.h"
#include "split/job.h"
#include "split/names.h"
#include "ui/frm_splitter.h"

std::string frmSplitter::writeBatchFile(int& line, const split::SplitJob& job, bool& namesEveryFile) {
    line = 630;
    line = 640;
    std::string batchPath = platform::joinFolder(job.outDir, job.batchStem + ".bat");
    line = 650;
    line = 655;
    lblStatus.refreshNow();
    platform::doEvents();
    line = 660;
    platform::OutputFile file(batchPath);
    line = 670;
    std::string text = split::batchLine(job.pieceStem, job.batchStem, job.extension, job.pieceCount);
    line = 700;
    // The command interpreter reads batch files in the OEM code page.
    std::string oem;
    namesEveryFile = split::ansiToOem(text, oem);
    line = 710;
    file.write(oem + "\r\n");
    file.close();
    line = 720;
    platform::doEvents();
    line = 730;
    return batchPath;
}
