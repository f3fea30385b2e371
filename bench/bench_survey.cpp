// How long the survey of an output folder takes before the first byte, for
// a folder of many files: photos, another file's 99-piece split at the names
// the new split writes, and a dozen copies of that split's checksum list.
//   cleavo_bench_survey FOLDER [FILES]   (default 10,000 files)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "split/folder_survey.h"
#include "split/names.h"

namespace {
void writeFile(const std::string& path, const std::string& bytes) { platform::writeWholeFile(path, bytes); }
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
    printf("survey of %d files (a 99-piece split of another file among them, %zu of its files in the way): "
           "best of 5 %.3f s\n", files, others, best);
    return others == static_cast<size_t>(split::kMaxPieces) + 1 ? 0 : 1;
}
