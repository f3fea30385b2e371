// Start-up, which is also the window's reset after a split or a failure.
#include <string>

#include "platform/files.h"
#include "platform/program.h"
#include "settings/settings_file.h"
#include "split/plan.h"
#include "ui/frm_splitter.h"

void frmSplitter::Form_Load() {
    std::string iniPath;
    bool readSettings = false;
    guarded("Form_Load", AfterReport::EndProgram, [&](int& line) {
        line = 10;
        pauseFlag = 0;
        line = 50;
        maxFiles = split::kMaxFiles;
        line = 60;
        const int bound = maxFiles;
        line = 70;
        cboEqualNumber.clear();
        for (int n = 2; n <= bound; ++n) {
            line = 80;
            cboEqualNumber.addItem(std::to_string(n));
            line = 90;
        }
        line = 100;
        cboEqualNumber.setListIndex(0);
        line = 105;
        lblINorOUT.setCaption(fileChoicePrompt());
        line = 110;
        if (fiInFile.count() > 0) {
            line = 115;
            fiInFile.setListIndex(0);
            line = 120;
            lblINorOUT.setCaption(fileChoicePrompt());
        }
        line = 310;
        settingsOut[6] = "3";
        line = 320;
        settingsOut[7] = "1";
        line = 330;
        settingsOut[8] = "0";
        line = 340;
        unitIndex = 1;
        line = 132;
        iniPath = settings::settingsPath();
        readSettings = platform::ordinaryFileExists(iniPath);
    });
    // From here on failures are passed over in silence.
    if (readSettings) readSettingsAtStartUp(iniPath);
}
