// The Split button: the move to the output-choice phase; then the window's
// choices handed to the preparation of the job (split/prepare), its refusal
// shown or its run started.
#include <string>
#include <variant>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/off_thread.h"
#include "platform/program.h"
#include "split/messages.h"
#include "split/prepare.h"
#include "ui/frm_splitter.h"
#include "ui/split_questions.h"

void frmSplitter::cmdSPlit_Click() {
    // A click that arrives while the pieces are being written (the run lets
    // events through between pieces) must not start a second run beside it.
    if (runInProgress_) return;
    chosenFileUnusable_ = false;
    guarded("cmdSPlit_Click", AfterReport::NoticeThenRestart, [&] {
        step(10);
        if (inOutputChoicePhase())
            splitFilesNow();
        else
            moveToOutputChoice();
    });
    // A split that failed because of the chosen file itself would fail the
    // same way at every retry: the user goes back to choosing a file.
    if (chosenFileUnusable_)
        guarded("cmdSPlit_Click", AfterReport::Restart, [&] { backToFileChoice(); });
}

void frmSplitter::moveToOutputChoice() {
    if (platform::nameWithoutForm(fiInFile.fileName())) {
        platform::msgBox(split::nameWithoutFormMessage(fiInFile.fileName()), platform::kExclamation);
        return;
    }
    step(830);
    fiInFile.setVisible(false);
    step(840);
    mnuCreate(1).setEnabled(true);
    step(850);
    setPhase(Phase::kOutputChoice);
    step(860);
    cmdSPlit.setEnabled(true);
    step(870);
    lblINorOUT.setCaption(split::outputFolderPrompt(cleavDir.path()));
    step(900);
    state_.settingsOut.inputDrive = CleavDrive.drive();
    step(910);
    state_.settingsOut.inputFolder = cleavDir.path();
    step(920);
    state_.settingsOut.inputFile = fiInFile.fileName();
    step(930);
    cmdSPlit.setEnabled(true);
}

class frmSplitter::PrepareWindowView : public split::PrepareView {
public:
    PrepareWindowView(frmSplitter& w, const SplitChoices& choices) : w_(w), choices_(choices) {}
    // A window closed while the folder was read keeps what is there.
    bool ask(const split::Question& question) override { return w_.hwnd() && askTheUser(question); }
    void outputAccepted() override {
        platform::step(75);
        w_.lblStatus.setCaption(split::kStatusPlanning);
        platform::step(123);
        w_.state_.settingsOut.outputDrive = choices_.outDrive;
        platform::step(125);
        w_.state_.settingsOut.outputFolder = choices_.outFolder;
    }
    void equalPiecesChosen(int64_t bytes) override { w_.showEqualPieces(bytes); }
    void whileWindowAnswers(const std::function<void()>& work, const std::function<void()>& tick) override {
        platform::runOffThread(w_.hwnd(), work, tick, kTickEveryMs);
    }

private:
    static const DWORD kTickEveryMs = 100;
    frmSplitter& w_;
    const SplitChoices& choices_;
};

void frmSplitter::splitFilesNow() {
    step(20);
    cmdSPlit.setEnabled(false);
    // The window answers while the output folder is read and the pieces are
    // written; a click or a drop meanwhile must not start a second split.
    struct Running {
        bool& flag;
        explicit Running(bool& f) : flag(f) { flag = true; }
        ~Running() { flag = false; }
    } running(runInProgress_);
    const SplitChoices choices = readSplitChoices();
    PrepareWindowView view(*this, choices);
    split::Preparation prep = split::prepareJob(choices, view);
    if (!hwnd()) return platform::endProgram();  // closed while the folder was read
    if (const auto* refused = std::get_if<split::Refusal>(&prep)) return showRefusal(*refused);
    runSplit(std::get<split::SplitJob>(prep));  // the run leaves the button as its outcome needs
}

// Each reason as the window shows it: the capacity report with the Split
// button already enabled, the other messages before it is enabled again; no
// output folder turns the user to the folder list, whose choice enables the
// button; the chosen file itself to blame sends the window back to choosing
// a file (cmdSPlit_Click).
void frmSplitter::showRefusal(const split::Refusal& refusal) {
    using Reason = split::Refusal::Reason;
    chosenFileUnusable_ = refusal.reason == Reason::kFileUnusable;
    if (refusal.reason == Reason::kDriveTooSmall) cmdSPlit.setEnabled(true);
    if (!refusal.text.empty()) platform::msgBox(refusal.text, iconOf(refusal.severity));
    if (refusal.reason == Reason::kChoices) {
        step(930);
        cmdSPlit.setEnabled(true);
    } else if (refusal.reason == Reason::kNoOutputFolder) {
        step(60);
        cleavDir.setFocus();
    }
}
