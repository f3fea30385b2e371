// Every way a paused run can end, without a window: the job prepared and run
// through plain fakes of the split's two views, on real files and the real
// library. At the pause the test changes the disk as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <variant>

#include "app/run/split_files.h"
#include "platform/files.h"
#include "split/messages.h"
#include "split/prepare.h"
#include "split/run.h"
#include "support/library_dialogs.h"
#include "support/temp_dir.h"

using namespace testing_support;
using Kind = split::RunOutcome::Kind;

namespace {

// What the window would show, in order, and the answers it gives; `moment`
// runs at the pause, at the window's events and after each piece or hash
// handed off its thread, where a test changes the disk as a user would.
struct FakeViews : split::PrepareView, split::RunView {
    std::vector<std::string> shown;
    std::deque<bool> answers;
    std::function<void(const std::string&)> moment = [](const std::string&) {};
    int calls = 0;
    bool running = false;

    bool ask(const split::Question& q) override {
        shown.push_back(q.text);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return yes;
    }
    void outputAccepted() override {}
    void equalPiecesChosen(int64_t) override {}
    // Calls are counted from the run's start on.
    void showStatus(const std::string& text) override { running |= text == split::kStatusReading; }
    void showRunProgress(int64_t, int64_t) override {}
    void doEvents() override { moment(shown.empty() ? "events" : "events after pause"); }
    bool pauseWanted() const override { return true; }
    void pauseForNextDisk(const std::string& message) override {
        shown.push_back(message);
        moment("pause");
    }
    void working(bool) override {}
    void whileWindowAnswers(const std::function<void()>& work, const std::function<void()>&) override {
        work();
        if (running) moment("call " + std::to_string(++calls));
    }
    bool windowGone() const override { return false; }
};

// The folders of one case: the input's, the output folder and its parent.
struct Disk {
    std::string in, base, out;
    // A disk in the drive without the output folder (nor its parent too).
    void takeOut(bool parentToo) const {
        DeleteFileA((out + "\\film.S01").c_str());
        RemoveDirectoryA(out.c_str());
        if (parentToo) RemoveDirectoryA(base.c_str());
    }
};

const std::string kPause = "Click OK to continue Cleaving!\r\n Cleav 1 of 3";
const std::string kStopped = "\r\nThe split has stopped: no batch file was written.";

}  // namespace

TEST(RunThroughFakeViews, EveryWayAPausedRunEnds) {
    struct Row {
        const char* path;
        bool deletePartial;
        std::deque<bool> answers;
        std::function<void(const std::string& moment, const Disk&)> change;
        Kind kind;
        std::vector<std::string> shown;  // each text, or its start
        std::string message;             // the outcome's start; refusals end in kStopped
        bool libraryBox;
    };
    const Row rows[] = {
        {"library fails mid-run", false, {},
         [](auto& m, const Disk& d) {
             if (m == "events after pause") CreateDirectoryA((d.out + "\\film.S02").c_str(), nullptr);
         },
         Kind::kPieceFailed, {kPause}, "", true},
        {"No to creating the folder", false, {false},
         [](auto& m, const Disk& d) {
             if (m == "pause") d.takeOut(false);
         },
         Kind::kStoppedByUser, {kPause, "The folder "}, "", false},
        {"creating the folder fails", false, {true},
         [](auto& m, const Disk& d) {
             if (m == "pause") d.takeOut(true);
         },
         Kind::kRefused, {kPause, "The folder "}, "Path/File access error: ", false},
        {"a folder in the way", false, {},
         [](auto& m, const Disk& d) {
             if (m == "pause") CreateDirectoryA((d.out + "\\film.S02").c_str(), nullptr);
         },
         Kind::kRefused, {kPause}, "The folder ", false},
        {"the user's own file kept", false, {false},
         [](auto& m, const Disk& d) {
             if (m == "pause") writeFile(d.out + "\\film.S03", "mine");
         },
         Kind::kStoppedByUser, {kPause, "The folder "}, "", false},
        {"an old piece with Delete partial", true, {},
         [](auto& m, const Disk& d) {
             if (m == "pause") writeFile(d.out + "\\film.S03", "old");
         },
         Kind::kCompleted, {kPause, "Click OK to continue Cleaving!\r\n Cleav 2 of 3"}, "", false},
        // The next disk holds an earlier 5-piece split of the same file: all
        // of it goes, its .S01 too, which would be copied over this run's.
        {"an earlier split on the next disk", false, {},
         [](auto& m, const Disk& d) {
             if (m != "pause" || fileExists(d.out + "\\film.S02")) return;
             DeleteFileA((d.out + "\\film.S01").c_str());
             std::string line = "copy \"film.S01\" /b ";
             for (int n = 1; n <= 5; ++n) writeFile(d.out + "\\film.S0" + std::to_string(n), "old");
             for (int n = 2; n <= 5; ++n) line += " + \"film.S0" + std::to_string(n) + "\" /b ";
             writeFile(d.out + "\\film.bat", line + "\"film.avi\"\r\n");
         },
         Kind::kCompleted, {kPause, "Click OK to continue Cleaving!\r\n Cleav 2 of 3"}, "", false},
        // Another file put at the input's name once piece 1 is copied (the
        // library reads on from the file it holds): piece 1's hash, finished
        // before the pause box, reads past that file's end.
        {"the hash failing at a pause", false, {},
         [](auto& m, const Disk& d) {
             if (m != "call 2") return;
             ASSERT_TRUE(MoveFileA(d.in.c_str(), (d.base + "\\held").c_str()));
             ASSERT_TRUE(CreateDirectoryA(d.in.c_str(), nullptr));
             writeFile(d.in + "\\film.avi", "short");
         },
         Kind::kInputChanged, {}, "The file ", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        TempDir top;
        const Disk disk{top / "in", top / "disk", top / "disk\\out"};
        for (const std::string& folder : {disk.in, disk.base, disk.out})
            ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        const std::string input = patternBytes(3000, 91);
        writeFile(disk.in + "\\film.avi", input);
        SplitChoices choices;
        choices.inDir = disk.in;
        choices.inFileName = "film.avi";
        choices.outFolder = disk.out;
        choices.outDrive = "c:";
        choices.typedSize = "1000";
        choices.splitType = split::kIntoYFiles;
        choices.pieceCountText = "3";
        choices.pause = true;
        choices.deletePartial = row.deletePartial;
        RealDialogAnswerer libraryBoxes;
        FakeViews views;
        views.answers = row.answers;
        // Each piece and record is flushed to its disk before a pause box and the end.
        std::vector<std::string> flushed;
        platform::watchFlushes([&](const std::string& path) { flushed.push_back(path.substr(path.rfind('\\') + 1)); });
        views.moment = [&](const std::string& m) {
            if (m == "pause") flushed.push_back("pause");
            row.change(m, disk);
        };
        split::Preparation prep = split::prepareJob(choices, views);
        ASSERT_TRUE(std::holds_alternative<split::SplitJob>(prep));
        const split::RunOutcome run = split::runPieces(std::get<split::SplitJob>(prep), views);

        EXPECT_EQ(run.kind, row.kind);
        EXPECT_EQ(run.message.rfind(row.message, 0), 0u) << run.message;
        if (row.kind == Kind::kRefused) {
            EXPECT_EQ(run.message.rfind(kStopped), run.message.size() - kStopped.size()) << run.message;
        } else if (row.message.empty()) {
            EXPECT_EQ(run.message, "");
        }
        EXPECT_EQ(views.shown.size(), row.shown.size()) << (views.shown.empty() ? "" : views.shown.back());
        if (views.shown.size() != row.shown.size()) continue;
        for (size_t i = 0; i < row.shown.size(); ++i)
            EXPECT_EQ(views.shown[i].rfind(row.shown[i], 0), 0u) << views.shown[i];
        EXPECT_EQ(libraryBoxes.seen().size(), row.libraryBox ? 1u : 0u);
        platform::watchFlushes(nullptr);
        const auto pause = std::find(flushed.begin(), flushed.end(), "pause");
        if (pause != flushed.end()) {
            EXPECT_EQ(std::vector<std::string>(flushed.begin(), pause), std::vector<std::string>{"film.S01"});
        }
        EXPECT_EQ(fileExists(disk.out + "\\film.bat"), row.kind == Kind::kCompleted);
        if (row.kind == Kind::kCompleted) {
            EXPECT_EQ(flushed, (std::vector<std::string>{"film.S01", "pause", "film.S02", "pause", "film.S03",
                                                         "film.bat", "film.sh", "film.avi.sha256"}));
            EXPECT_EQ(readFile(disk.out + "\\film.S03"), input.substr(2000));
            for (const char* stale : {"\\film.S01", "\\film.S04"})
                EXPECT_NE(fileExists(disk.out + stale) ? readFile(disk.out + stale) : "", "old") << stale;
        } else if (row.answers == std::deque<bool>{false} && fileExists(disk.out + "\\film.S03")) {
            EXPECT_EQ(readFile(disk.out + "\\film.S03"), "mine");
        }
    }
}
