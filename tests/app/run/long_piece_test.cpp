// Pieces of 500,000,000 bytes, which take the library most of a second each:
// the window answers all through them and shows how far the piece has come,
// and Exit during one lets the library finish it, then ends the program.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "app/run/split_files.h"
#include "app/support/splitter_window.h"
#include "platform/program.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

const int64_t kPiece = 500000000;

int64_t lengthOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The input in chosen, to be cut into pieces of kPiece bytes into out: the
// window waits for the click of "Split files now!".
void prepare(SplitterWindow& win, const TempDir& in, const TempDir& out) {
    frmSplitter& w = win.w();
    win.chooseFile(in.path(), "big.bin");
    w.optSplitTypeButton[1].setValue(true);
    w.optBytesButton[0].setValue(true);
    w.txtByteSize.setText(std::to_string(kPiece));
    w.cmdSPlit.click();
    w.cleavDir.setPath(out.path());
}

// Runs beside the window's thread until the object goes; the window's
// thread answers what it sends until it has stopped.
struct Beside {
    std::atomic<bool> done{false}, finished{false};
    std::thread thread;
    template <class F>
    explicit Beside(F f) : thread([this, f] {
        f(done);
        finished = true;
    }) {}
    ~Beside() {
        done = true;
        MSG msg;
        while (!finished) {
            PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            Sleep(1);
        }
        thread.join();
    }
};

}  // namespace

TEST(LongPiece, WindowAnswersWithin250MsAndShowsThePercentage) {
    TempDir in, out;
    makeSparseFile(in / "big.bin", kPiece + 1);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    prepare(win, in, out);
    TextRecorder status(w.lblStatus.hwnd());

    DWORD longest = 0;
    int answers = 0;
    {
        HWND window = w.hwnd();
        Beside asking([&](std::atomic<bool>& done) {
            while (!done) {
                DWORD start = GetTickCount();
                DWORD_PTR unused = 0;
                if (SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &unused)) ++answers;
                longest = std::max(longest, GetTickCount() - start);
                Sleep(5);
            }
        });
        w.cmdSPlit.click();
    }
    std::printf("longest wait for an answer: %lu ms over %d answers\n", static_cast<unsigned long>(longest), answers);
    EXPECT_LT(longest, 250u);
    EXPECT_GT(answers, 20);

    // The percentage of piece 1 moves up while it is written, then the status
    // line says the piece is done as ever.
    std::vector<int> percents;
    for (const std::string& t : status.texts)
        if (t.rfind("Writing big.S01: ", 0) == 0) percents.push_back(std::stoi(t.substr(17)));
    ASSERT_GE(percents.size(), 2u) << "the percentage was shown fewer than twice";
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_LT(percents.front(), percents.back());
    auto done = std::find(status.texts.begin(), status.texts.end(), "File 1 Done! Reading...");
    ASSERT_NE(done, status.texts.end());
    EXPECT_EQ((done - 1)->rfind("Writing big.S01: ", 0), 0u);

    EXPECT_EQ(filesIn(out.path()), (std::vector<std::string>{"big.S01", "big.S02", "big.bat"}));
    EXPECT_EQ(lengthOf(out / "big.S01"), kPiece);
    EXPECT_EQ(lengthOf(out / "big.S02"), 1);
    EXPECT_TRUE(anyBoxSays(win.boxes.shown, "Operation Successful!"));
}

TEST(LongPiece, ExitDuringAPieceClosesTheWindowFinishesThePieceAndWritesNothingMore) {
    TempDir in, out;
    makeSparseFile(in / "big.bin", 2 * kPiece + 1);
    SplitterWindow win(in.path());
    frmSplitter& w = win.w();
    prepare(win, in, out);
    TextRecorder status(w.lblStatus.hwnd());

    // The user clicks Exit once the first piece is under way; how far the
    // piece had come when the window went.
    int64_t pieceWhenWindowWent = -1;
    {
        HWND window = w.hwnd(), exitButton = w.cmdExit.hwnd();
        const std::string piece = out / "big.S01";
        Beside user([&](std::atomic<bool>& done) {
            while (!done && lengthOf(piece) <= 0) Sleep(5);
            PostMessageA(exitButton, BM_CLICK, 0, 0);
            while (!done && IsWindow(window)) Sleep(1);
            pieceWhenWindowWent = lengthOf(piece);
        });
        EXPECT_THROW(w.cmdSPlit.click(), platform::ProgramEnded);
    }
    EXPECT_EQ(programEnds(), 1);
    EXPECT_FALSE(w.hwnd());
    EXPECT_GT(pieceWhenWindowWent, 0);
    EXPECT_LT(pieceWhenWindowWent, kPiece);
    // The piece is whole; no later piece and no batch file; nothing claimed success.
    EXPECT_EQ(filesIn(out.path()), std::vector<std::string>{"big.S01"});
    EXPECT_EQ(lengthOf(out / "big.S01"), kPiece);
    EXPECT_FALSE(anyBoxSays(win.boxes.shown, "Successful"));
    EXPECT_EQ(std::count(status.texts.begin(), status.texts.end(), "Operation Complete"), 0);
}
