// The run as the window shows it: the status line, Pause box, Split button and
// hourglass lent to the run, then the success message and the way back to
// choosing the next file.
#include <string>

#include "platform/dialogs.h"
#include "platform/message_loop.h"
#include "split/job.h"
#include "split/messages.h"
#include "split/run.h"
#include "ui/frm_splitter.h"

namespace {
class WindowRunView : public split::RunView {
public:
    explicit WindowRunView(frmSplitter& w) : w_(w) {}
    void setStatus(const std::string& text) override { w_.lblStatus.setCaption(text); }
    void repaintStatus() override { w_.lblStatus.refreshNow(); }
    bool pauseWanted() const override { return w_.pauseFlag != 0; }
    void enableSplitButton() override { w_.cmdSPlit.setEnabled(true); }
    void showHourglass(bool on) override { w_.setHourglass(on); }
    void tell(const std::string& text, unsigned icon) override { platform::msgBox(text, icon); }
    void doEvents() override { platform::doEvents(); }

private:
    frmSplitter& w_;
};
}  // namespace

void frmSplitter::runSplit(split::SplitJob& job) {
    WindowRunView view(*this);
    split::RunResult run = split::runPieces(job, view);
    if (run.end != split::RunEnd::kPiecesWritten) return;  // the run has said why
    step(735);
    setHourglass(false);
    step(740);
    platform::msgBox(run.batchWritten ? split::successMessage(run.batchPath)
                                      : split::successMessageWithoutBatch(run.batchPath, inFileName),
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
    step(770);
    cmdSPlit.setCaption(kFileChoice);
    step(780);
    cmdSPlit.setEnabled(true);
    savedFileIndex = static_cast<short>(fiInFile.listIndex() < 0 ? 0 : fiInFile.listIndex());
    step(785);
    fiInFile.refresh();
    step(788);
    if (fiInFile.count() > 0) fiInFile.setListIndex(savedFileIndex);
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
    lblStatus.setCaption("Cleavo Status.");  // as the first paint leaves it
}
