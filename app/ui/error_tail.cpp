// The one error report, and the tail that every guarded handler ends in.
#include "errors/report.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/program.h"
#include "settings/settings_file.h"
#include "ui/frm_splitter.h"

namespace {
// A failure in a handler that start-up itself runs can fail again in the
// start-up it triggers; past this depth the tail reports but does not restart.
const int kMaxRestartDepth = 3;
}  // namespace

void frmSplitter::ErrHandle(long number, const std::string& description, long line, const std::string& procedure) {
    try {
        platform::msgBox(errors::reportText(number, description, line, procedure), platform::kCritical);
    } catch (...) {
        // The end of the failure path: nothing reports a failure of the report.
    }
}

void frmSplitter::guarded(const char* procedure, AfterReport after, const std::function<void()>& body) {
    platform::guarded(body, [&](long number, const std::string& description, int step) {
        errorTail(procedure, after, number, description, step);
    });
}

void frmSplitter::errorTail(const char* procedure, AfterReport after, long number, const std::string& description,
                            int step) {
    if (number <= 0) return;
    // The window closed, or the session ended, while the handler ran: what
    // failed was the handler going on without it. Nothing is reported, no
    // start-up runs again, and the settings file stays.
    if (!hwnd()) return;
    ErrHandle(number, description, step, procedure);
    switch (after) {
    case AfterReport::EndProgram: {
        std::string ini = settings::settingsPathToRead();
        if (platform::ordinaryFileExists(ini)) platform::deleteFileQuietly(ini);
        platform::endProgram();  // the system closes every open file
    }
    case AfterReport::NoticeThenRestart:
        platform::msgBox("Click to restart program.", platform::kExclamation);
        [[fallthrough]];
    case AfterReport::Restart:
        if (restartDepth_ >= kMaxRestartDepth) return;
        ++restartDepth_;
        try {
            // After the notice the window starts over as start-up leaves it,
            // whatever phase the failure left it in.
            if (after == AfterReport::NoticeThenRestart)
                guarded(procedure, AfterReport::Restart, [&] { restartAsAtStartUp(); });
            else
                Form_Load();
        } catch (...) {
            --restartDepth_;
            throw;
        }
        --restartDepth_;
        break;
    }
}
