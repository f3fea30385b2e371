// The main window: its controls, the state its handlers share, and the
// handlers themselves, all defined here in ui/ (browsing in browsing.cpp, the
// Split button in split_click.cpp and run_window.cpp, the error tail in
// error_tail.cpp, ...). The parts below it, split/, settings/, errors/ and
// about/, know nothing of the window: it hands them what they need.
#pragma once
#include <array>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/guarded.h"

#include "settings/settings_entries.h"
#include "split/split_types.h"
#include "split/split_choices.h"

namespace testing_support {
class SplitterWindow;
}

namespace split {
struct SplitJob;
struct Refusal;
}

class frmSplitter : public platform::Form {
public:
    frmSplitter();

    // The lists first choose the input file, then the output folder; the
    // Split button's caption shows which.
    enum class Phase { kFileChoice, kOutputChoice };
    bool inOutputChoicePhase() const { return phase_ == Phase::kOutputChoice; }
    // The Split button's caption in each phase.
    static const char* const kFileChoice;    // "&Split this file"
    static const char* const kOutputChoice;  // "&Split files now!"

    // --- controls -----------------------------------------------------------
    platform::Label lblINorOUT;
    platform::DriveList CleavDrive;
    platform::FolderList cleavDir;
    platform::FileList fiInFile;
    platform::CommandButton cmdSPlit;
    platform::Frame Frame1;
    platform::Label lblStatus;
    platform::Frame mnuOptions;
    platform::CommandButton cmdExit;

    platform::OptionGroup optSplitType;
    platform::OptionButton optSplitTypeButton[split::kSplitTypeCount];
    platform::TextBox txtByteSize;
    platform::Frame Frame2;
    platform::DropDownList cboEqualNumber;
    platform::OptionGroup optBytes;
    platform::OptionButton optBytesButton[3];

    // mnuAdvanced is an array of two check boxes, indices 1 and 2.
    platform::CheckBox& mnuAdvanced(int index);
    platform::CheckBox chkPause;
    platform::CheckBox chkPGP;

    // mnuCreate is a menu array whose only element has index 1.
    platform::MenuEntry& mnuCreate(int index);
    platform::MenuEntry mnuLoadExporer, mnuLoadINI, mnuSaveINI, mnuExit;
    platform::MenuEntry mnuContents, mnuAbout;

    // --- form variables -----------------------------------------------------
    // Written by the window's handlers alone; read by anyone.
    struct FormState {
        short pauseFlag = 0;
        bool deletePartialFlag = false;
        short maxFiles = 0;
        short unitIndex = 0;
        short savedFileIndex = 0;
        bool driveFocusDone = false;
        std::string inDirPath;
        std::string inPrefix;
        std::string inFileName;
        // The settings file's entries: as they will be saved, and as last read.
        SettingsEntries settingsOut;
        SettingsEntries settingsIn;
    };
    const FormState& state() const { return state_; }

    // --- procedures ---------------------------------------------------------
    void ErrHandle(long number, const std::string& description, long line, const std::string& procedure);
    void chkPause_Click();
    void cmdExit_Click();
    void cmdSPlit_Click();
    void Form_Paint() override;
    void mnuAdvanced_Click(short index);
    void mnuExit_Click();
    void mnuLoadExporer_Click();
    void mnuLoadINI_Click();
    void mnuSaveINI_Click();
    void cleavDir_Change();
    void CleavDrive_Change();
    void CleavDrive_GotFocus();
    void fiInFile_Click();
    void Form_Load() override;
    void mnuAbout_Click();
    void mnuContents_Click();
    void mnuCreate_Click(short index);
    void optBytes_Click(short index);
    void optSplitType_Click(short index);
    void txtByteSize_LostFocus();
    // "Split for Equal size" with a size in bytes, as the user would set it.
    void showEqualPieces(int64_t bytes);
    // A file chosen from outside the lists: dropped from Explorer on the
    // window, or named on the command line (Send To, Open with).
    void Form_OLEDragDrop(const std::vector<std::string>& paths);
    void Form_Command(const std::vector<std::string>& arguments);

    // The prompt of the file-choice phase for the current input folder and file.
    std::string fileChoicePrompt() const;

private:
    friend class testing_support::SplitterWindow;  // the tests' way back to the first phase

    Phase phase_ = Phase::kFileChoice;
    FormState state_;
    // Only the Split button's click and the way back change the phase.
    void setPhase(Phase phase);

    platform::CheckBox mnuAdvanced1_, mnuAdvanced2_;
    platform::MenuEntry mnuCreate1_;

    // What a handler's error tail does after the report.
    enum class AfterReport { Restart, NoticeThenRestart, EndProgram };
    // Runs a handler's body; a run-time error ends it through the error tail,
    // which reports the step the body last marked with step().
    void guarded(const char* procedure, AfterReport after, const std::function<void()>& body);
    static void step(int number) { platform::step(number); }
    void errorTail(const char* procedure, AfterReport after, long number, const std::string& description,
                   int step);
    int restartDepth_ = 0;
    // True while the pieces of a split are being written.
    bool runInProgress_ = false;
    // Set by a click of the Split button that failed because of the chosen
    // file itself (gone, empty, a name too short for its pieces).
    bool chosenFileUnusable_ = false;
    // Files whose length could not be read, each reported once: every
    // repaint selects the file again.
    std::set<std::string> unmeasurable_;

    // Keeps the file list's selection in savedFileIndex (0 for none) and
    // re-reads the list; steps 30 to 40 of the focus and paint handlers.
    void reReadFileListKeepingSelection();

    // What the split sees of the window while it prepares and runs a job
    // (split_click.cpp, run_window.cpp).
    class PrepareWindowView;
    class RunWindowView;

    // Pieces of the Split button's click.
    void moveToOutputChoice();
    void splitFilesNow();
    SplitChoices readSplitChoices();
    void showRefusal(const split::Refusal& refusal);
    void runSplit(split::SplitJob& job);
    // Back to choosing a file: the Split button's first caption, the file
    // list shown again, then the start-up reset.
    void backToFileChoice();
    // The restart that "Click to restart program." promises: no hourglass,
    // back to choosing a file, the status line as start-up leaves it.
    void restartAsAtStartUp();

    // The settings file at start-up (settings/): whether there is one, and
    // its reader, which passes over failures.
    bool settingsFileExists() const;
    void readSettingsAtStartUp();

    // Enters the file's drive and folder in the lists and chooses it there;
    // a folder in the output-choice phase becomes the output folder.
    void chooseFromOutside(const std::vector<std::string>& paths);
    void filesDropped(const std::vector<std::string>& paths) override { Form_OLEDragDrop(paths); }

    void unhandledFailure(const std::string& what) override;
    void sessionEnding() override;
    void initialState() override;
    // The window's construction: its controls and their places, its menus,
    // and the events that run each handler.
    void addControls();
    void addMenus();
    void connectHandlers();
};

