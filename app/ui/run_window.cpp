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

class frmSplitter::RunWindowView : public split::RunView {
public:
    explicit RunWindowView(frmSplitter& w) : w_(w), taskbar_(w.hwnd()) {}
    void setStatus(const std::string& text) override { w_.lblStatus.setCaption(text); }
    void repaintStatus() override { w_.lblStatus.refreshNow(); }
    bool pauseWanted() const override { return w_.state_.pauseFlag != 0; }
    void enableSplitButton() override { w_.cmdSPlit.setEnabled(true); }
    void showHourglass(bool on) override { w_.setHourglass(on); }
    void tell(const std::string& text, unsigned icon) override { platform::msgBox(text, icon); }
    bool ask(const std::string& question) override {
        return platform::msgBox(question, platform::kYesNo | platform::kQuestion) == platform::kAnswerYes;
    }
    bool replaceAllowed(const std::string& question) override {
        return platform::msgBox(question, split::kReplaceQuestionStyle) == platform::kAnswerYes;
    }
    void doEvents() override { platform::doEvents(); }
    void whileWindowWaits(const std::function<void()>& work, const std::function<void()>& tick) override {
        platform::runOffThread(w_.hwnd(), work, tick, kProgressEveryMs);
    }
    void showRunProgress(int64_t done, int64_t total) override {
        taskbar_.show(static_cast<uint64_t>(done), static_cast<uint64_t>(total));
    }
    bool windowGone() const override { return !w_.hwnd(); }

private:
    static const DWORD kProgressEveryMs = 100;
    frmSplitter& w_;
    platform::TaskbarProgress taskbar_;  // cleared when the run is over, however it ends
};

void frmSplitter::runSplit(split::SplitJob& job) {
    RunWindowView view(*this);
    split::RunResult run = split::runPieces(job, view);
    // Exit or the close box during a piece: the piece is whole, the program ends.
    if (run.end == split::RunEnd::kWindowGone) platform::endProgram();
    if (run.end != split::RunEnd::kPiecesWritten) return;  // the run has said why
    step(735);
    setHourglass(false);
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
