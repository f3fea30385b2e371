// How long the survey of an output folder takes before the first byte, for
// a folder of many files: photos, another file's 99-piece split at the names
// the new split writes, and a dozen copies of that split's checksum list.
// Then, for that folder and for one of as many scripts named like the new
// split's joiner (each of which is read), the longest the window goes
// without answering while the split is prepared.
//   cleavo_bench_survey FOLDER [FILES]   (default 10,000 files)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include "platform/files.h"
#include "platform/off_thread.h"
#include "split/folder_survey.h"
#include "split/names.h"
#include "split/prepare.h"
#include "split/split_types.h"

namespace {
void writeFile(const std::string& path, const std::string& bytes) { platform::writeWholeFile(path, bytes); }

using Clock = std::chrono::steady_clock;

// The window's side of a preparation: Yes to every question, and the longest
// stretch between two moments its thread answered.
struct Window : split::PrepareView {
    HWND hwnd = CreateWindowA("STATIC", "bench", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    Clock::time_point last = Clock::now();
    double longest = 0;
    void answered() {
        const Clock::time_point now = Clock::now();
        longest = std::max(longest, std::chrono::duration<double>(now - last).count());
        last = now;
    }
    bool ask(const split::Question&) override {
        answered();
        return true;
    }
    void outputAccepted() override {}
    void equalPiecesChosen(int64_t) override {}
    void whileWindowAnswers(const std::function<void()>& work, const std::function<void()>&) override {
        answered();
        platform::runOffThread(hwnd, work, [&] { answered(); }, 10);
        answered();
    }
};

// The longest the window goes without answering while a split of movie.avi
// into the folder is prepared.
double longestWait(const std::string& folder, const std::string& inDir) {
    SplitChoices choices;
    choices.inDir = inDir;
    choices.inFileName = "movie.avi";
    choices.outFolder = folder;
    choices.outDrive = "c:";
    choices.splitType = split::kIntoYFiles;
    choices.pieceCountText = "99";
    choices.typedSize = "1";
    Window window;
    if (!window.hwnd) return -1;  // no display: nothing to answer
    window.last = Clock::now();
    const split::Preparation prep = split::prepareJob(choices, window);
    window.answered();
    DestroyWindow(window.hwnd);
    return std::holds_alternative<split::SplitJob>(prep) ? window.longest : -1;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: cleavo_bench_survey FOLDER [FILES]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int files = argc > 2 ? atoi(argv[2]) : 10000;
    // movie.mp4's split, whose pieces movie.avi's split would replace.
    std::string sums, copy = "copy ";
    for (int n = 1; n <= split::kMaxPieces; ++n) {
        const std::string piece = split::pieceName("movie", n);
        writeFile(platform::joinFolder(folder, piece), "piece");
        sums += std::string(64, 'a') + "  " + piece + "\n";
        copy += (n > 1 ? " + \"" : "\"") + piece + "\" /b ";
    }
    sums += std::string(64, 'a') + "  movie.mp4\n";
    writeFile(platform::joinFolder(folder, "movie.mp4.sha256"), sums);
    writeFile(platform::joinFolder(folder, "movie.bat"), copy + "\"movie.mp4\"\r\n");
    for (int i = 0; i < 12; ++i) writeFile(platform::joinFolder(folder, "movie copy " + std::to_string(i) + ".sha256"), sums);
    const int photos = files - split::kMaxPieces - 14;
    for (int i = 0; i < photos; ++i) writeFile(platform::joinFolder(folder, "IMG_" + std::to_string(10000 + i) + ".jpg"), "");

    const split::SplitOutputs outputs(folder, "movie.avi");
    double best = 1e9;
    size_t others = 0;
    for (int round = 0; round < 5; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const split::FolderSurvey survey = split::surveyFolder(outputs, 1, split::kMaxPieces, false);
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (took < best) best = took;
        others = survey.otherFiles.size();
    }
    printf("survey of %d files (a 99-piece split of another file among them, %zu of its files to go): "
           "best of 5 %.3f s\n", files, others, best);

    const std::string inDir = platform::joinFolder(folder, "input");
    platform::createFolder(inDir);
    writeFile(platform::joinFolder(inDir, "movie.avi"), std::string(99000, 'm'));
    printf("preparing a split into that folder: the window's longest wait %.0f ms\n", longestWait(folder, inDir) * 1000);
    const std::string scripts = platform::joinFolder(folder, "scripts");
    platform::createFolder(scripts);
    for (int i = 0; i < files; ++i)
        writeFile(platform::joinFolder(scripts, "movie " + std::to_string(10000 + i) + ".sh"), "#!/bin/sh\necho\n");
    printf("preparing a split into a folder of %d scripts named movie *.sh: the window's longest wait %.0f ms\n",
           files, longestWait(scripts, inDir) * 1000);
    return others == static_cast<size_t>(split::kMaxPieces) + 2 ? 0 : 1;  // its pieces, batch file and list
}
