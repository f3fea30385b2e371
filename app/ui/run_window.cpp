// The run as the window shows it: the status line, Pause box, Split button and
// hourglass lent to the run, then the success message and the way back to
// choosing the next file.
#include <string>

#include "platform/dialogs.h"
#include "platform/message_loop.h"
#include "platform/off_thread.h"
#include "platform/program.h"
#include "platform/taskbar_progress.h"
#include "split/job.h"
#include "split/messages.h"
#include "split/run.h"
#include "ui/frm_splitter.h"
#include "ui/split_questions.h"

class frmSplitter::RunWindowView : public split::RunView {
public:
    explicit RunWindowView(frmSplitter& w) : w_(w), taskbar_(w.hwnd()) {}
    void showStatus(const std::string& text) override {
        w_.lblStatus.setCaption(text);
        w_.lblStatus.refreshNow();
    }
    void showRunProgress(int64_t done, int64_t total) override {
        taskbar_.show(static_cast<uint64_t>(done), static_cast<uint64_t>(total));
    }
    void doEvents() override { platform::doEvents(); }
    bool pauseWanted() const override { return w_.state_.pauseFlag != 0; }
    void pauseForNextDisk(const std::string& message) override { platform::msgBox(message, platform::kInformation); }
    void working(bool on) override { w_.setHourglass(on); }
    void whileWindowAnswers(const std::function<void()>& work, const std::function<void()>& tick) override {
        platform::runOffThread(w_.hwnd(), work, tick, kProgressEveryMs);
    }
    bool windowGone() const override { return !w_.hwnd(); }
    bool ask(const split::Question& question) override { return askTheUser(question); }

private:
    static const DWORD kProgressEveryMs = 100;
    frmSplitter& w_;
    platform::TaskbarProgress taskbar_;  // cleared when the run is over, however it ends
};

// How each outcome leaves the window. Completed: back to choosing a file, the
// Split button enabled. Stopped by the user, refused, the input changed: the
// button enabled, the output folder still chosen, then the message. A piece
// that failed: the button stays disabled until a folder is chosen again (the
// library has just said why; a click at once would fail alike). The window
// gone: the program ends.
void frmSplitter::runSplit(split::SplitJob& job) {
    using Kind = split::RunOutcome::Kind;
    // The view, and with it the taskbar's progress, goes as the run ends.
    const split::RunOutcome run = [&] {
        RunWindowView view(*this);
        return split::runPieces(job, view);
    }();
    // Exit or the close box during a piece: the piece is whole, the program ends.
    if (run.kind == Kind::kWindowGone) return platform::endProgram();
    setHourglass(false);
    if (run.kind != Kind::kCompleted) {
        if (run.kind != Kind::kPieceFailed) cmdSPlit.setEnabled(true);
        if (!run.message.empty()) platform::msgBox(run.message, iconOf(run.severity));
        return;
    }
    step(740);
    platform::msgBox(run.batchWritten ? split::successMessage(run.batchPath)
                                      : split::successMessageWithoutBatch(run.batchPath, state_.inFileName),
                     platform::kExclamation);
    step(750);
    lblStatus.setCaption(split::kStatusComplete);
    step(760);
    lblStatus.refreshNow();
    backToFileChoice();
    step(930);
    cmdSPlit.setEnabled(true);
}

void frmSplitter::backToFileChoice() {
    if (!hwnd()) return;  // closed during the last box: nothing to put back
    step(770);
    setPhase(Phase::kFileChoice);
    step(780);
    cmdSPlit.setEnabled(true);
    state_.savedFileIndex = static_cast<short>(fiInFile.listIndex() < 0 ? 0 : fiInFile.listIndex());
    step(785);
    fiInFile.refresh();
    step(788);
    if (fiInFile.count() > 0) fiInFile.setListIndex(state_.savedFileIndex);
    step(800);
    fiInFile.setVisible(true);
    step(810);
    mnuCreate(1).setEnabled(true);
    step(820);
    Form_Load();
}

void frmSplitter::restartAsAtStartUp() {
    setHourglass(false);
    backToFileChoice();
    lblStatus.setCaption(split::kStatusPlanning);  // as the first paint leaves it
}
