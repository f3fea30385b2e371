// A split in Zip pieces timed two ways in one process, on the same window and
// file: the library called on the window's thread piece after piece, as the
// program called it before the pieces were written off that thread, and the
// whole program (the window, its Split button, each piece written on a
// thread of its own with its progress shown). Prints both and their ratio.
//   cleavo_bench_window INPUT-FOLDER INPUT-NAME OUTPUT-FOLDER [ROUNDS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/message_loop.h"
#include "split/split_outputs.h"
#include "split/input_hashes.h"
#include "split/library.h"
#include "split/names.h"
#include "split/plan.h"
#include "ui/frm_splitter.h"

namespace {

// Every box answered with OK, the question about a big file included.
class AnswerOk : public platform::DialogSeam {
public:
    std::string last;  // told when a split did not end as it should
    int messageBox(const std::string& text, const std::string&, unsigned) override {
        last = text;
        return platform::kAnswerOk;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override { return ""; }
};

double now() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

void clearFolder(const std::string& folder) {
    for (const std::string& name : platform::listFolder(folder, false))
        platform::deleteFileQuietly(platform::joinFolder(folder, name));
}

// The pieces through the library on this thread, with what the program did
// around each piece then: events before it, its hashes, the attributes and
// the status line after.
double onTheWindowsThread(frmSplitter& w, const std::string& in, const std::string& out, int64_t size) {
    const int64_t piece = 100431871;
    const int count = static_cast<int>((size + piece - 1) / piece);
    split::InputHashes hashes;
    double start = now();
    for (int n = 1; n <= count; ++n) {
        std::string path = split::piecePath(out, "bench", n);
        platform::doEvents();
        if (!split::copyPiece(in, path, (n - 1) * piece, n * piece, n, count)) std::exit(1);  // the library has said why
        hashes.addPiece(in, (n - 1) * piece, std::min(n * piece, size));
        platform::setNormalAttributes(path);
        w.lblStatus.setCaption("File " + std::to_string(n) + " Done! Reading...");
        w.lblStatus.refreshNow();
        platform::doEvents();
    }
    return now() - start;
}

// The whole program: the file chosen, Zip size, the output folder, the click.
double throughTheProgram(frmSplitter& w, const std::string& inFolder, const std::string& name,
                         const std::string& out) {
    w.cleavDir.setPath(inFolder);
    for (int i = 0; i < w.fiInFile.count(); ++i)
        if (w.fiInFile.item(i) == name) w.fiInFile.setListIndex(i);
    w.optSplitTypeButton[split::kZip].setValue(true);
    w.cmdSPlit.click();
    w.cleavDir.setPath(out);
    double start = now();
    w.cmdSPlit.click();
    return now() - start;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: cleavo_bench_window INPUT-FOLDER INPUT-NAME OUTPUT-FOLDER [ROUNDS]\n");
        return 2;
    }
    const std::string inFolder = argv[1], name = argv[2], out = argv[3];
    const int rounds = argc > 4 ? std::atoi(argv[4]) : 3;
    const std::string in = platform::joinFolder(inFolder, name);
    platform::FileStamp stamp;
    if (!platform::stampFile(in, stamp)) {
        std::fprintf(stderr, "cannot read %s\n", in.c_str());
        return 1;
    }

    AnswerOk answers;
    platform::setDialogSeam(&answers);
    frmSplitter w;
    w.create(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    platform::doEvents();

    std::vector<double> before, program;
    for (int r = 0; r < rounds; ++r) {
        clearFolder(out);
        before.push_back(onTheWindowsThread(w, in, out, static_cast<int64_t>(stamp.length)));
        clearFolder(out);
        program.push_back(throughTheProgram(w, inFolder, name, out));
        const split::SplitOutputs outputs(out, name);
        if (!platform::ordinaryFileExists(outputs.path(outputs.batchName()))) {
            std::fprintf(stderr, "the program wrote no batch file; its last message: %s\n", answers.last.c_str());
            return 1;
        }
        std::printf("round %d: on the window's thread %.3f s, through the program %.3f s\n", r + 1, before.back(),
                    program.back());
    }
    const double b = median(before), p = median(program);
    std::printf("file: %llu bytes in Zip pieces, median of %d rounds\n",
                static_cast<unsigned long long>(stamp.length), rounds);
    std::printf("library on the window's thread (before): %.3f s, %.0f MB/s\n", b, stamp.length / b / 1e6);
    std::printf("whole program, pieces off the thread   : %.3f s, %.0f MB/s\n", p, stamp.length / p / 1e6);
    std::printf("ratio program/before (time): %.3f\n", p / b);
    return 0;
}
