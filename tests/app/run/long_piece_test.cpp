// Pieces of 500,000,000 bytes, most of a second each: the window answers all
// through them and shows how far the piece has come; Exit or the close box
// during one lets the library finish it, then the program ends.
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
    WIN32_FILE_ATTRIBUTE_DATA d;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d)) return -1;
    return (static_cast<int64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
}

// A sparse input chosen to be cut into pieces of kPiece bytes: the window
// waits for the click of "Split files now!".
struct BigSplit {
    TempDir in, out;
    SplitterWindow win;
    TextRecorder status;
    explicit BigSplit(int64_t size)
        : in(), out(), win((makeSparseFile(in / "big.bin", size), in.path())), status(win->lblStatus.hwnd()) {
        win.chooseFile(in.path(), "big.bin");
        win->optSplitTypeButton[1].setValue(true);
        win->optBytesButton[0].setValue(true);
        win->txtByteSize.setText(std::to_string(kPiece));
        win->cmdSPlit.click();
        win->cleavDir.setPath(out.path());
    }
};

// Runs f beside the window's thread, which answers what f sends until f has stopped.
struct Beside {
    std::atomic<bool> done{false}, finished{false};
    std::thread thread;
    template <class F>
    explicit Beside(F f) : thread([this, f] { f(done), finished = true; }) {}
    ~Beside() {
        MSG msg;
        for (done = true; !finished; Sleep(1)) PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        thread.join();
    }
};

}  // namespace

TEST(LongPiece, WindowAnswersWithin250MsAndShowsThePercentage) {
    BigSplit s(kPiece + 1);
    DWORD longest = 0;
    int answers = 0;
    {
        HWND window = s.win->hwnd();
        Beside asking([&](std::atomic<bool>& done) {
            for (DWORD_PTR r = 0; !done; Sleep(5)) {
                DWORD start = GetTickCount();
                answers += SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &r) != 0;
                longest = std::max(longest, GetTickCount() - start);
            }
        });
        s.win->cmdSPlit.click();
    }
    std::printf("longest wait for an answer: %lu ms of %d\n", static_cast<unsigned long>(longest), answers);
    EXPECT_LT(longest, 250u);
    EXPECT_GT(answers, 20);

    // The percentage of piece 1 rises while it is written; then the text of every piece's end.
    std::vector<int> percents;
    for (const std::string& t : s.status.texts)
        if (t.rfind("Writing big.S01: ", 0) == 0) percents.push_back(std::stoi(t.substr(17)));
    ASSERT_GE(percents.size(), 2u);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_LT(percents.front(), percents.back());
    auto done = std::find(s.status.texts.begin(), s.status.texts.end(), "File 1 Done! Reading...");
    ASSERT_NE(done, s.status.texts.end());
    EXPECT_EQ((done - 1)->rfind("Writing big.S01: ", 0), 0u);
    EXPECT_EQ(filesIn(s.out.path()),
              (std::vector<std::string>{"big.S01", "big.S02", "big.bat", "big.bin.sha256", "big.sh"}));
    EXPECT_EQ(lengthOf(s.out / "big.S01"), kPiece);
}

TEST(LongPiece, ExitCloseOrLogOffDuringAPieceEndsTheProgramOnceThatPieceIsWhole) {
    const struct {
        const char* way;
        bool toExitButton;
        UINT message;
        WPARAM wParam;
    } ways[] = {{"Exit", true, BM_CLICK, 0}, {"close box", false, WM_CLOSE, 0}, {"log-off", false, WM_ENDSESSION, TRUE}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        BigSplit s(2 * kPiece + 1);
        int64_t pieceWhenWindowWent = -1;
        {
            HWND window = s.win->hwnd(), exit = s.win->cmdExit.hwnd();
            const std::string piece = s.out / "big.S01";
            Beside user([&](std::atomic<bool>& done) {
                while (!done && lengthOf(piece) <= 0) Sleep(5);
                PostMessageA(way.toExitButton ? exit : window, way.message, way.wParam, 0);
                while (!done && IsWindow(window)) Sleep(1);
                pieceWhenWindowWent = lengthOf(piece);
            });
            EXPECT_THROW(s.win->cmdSPlit.click(), platform::ProgramEnded);
        }
        // The window went during the piece; the piece is whole, nothing followed
        // it, and nothing claimed success.
        EXPECT_EQ(programEnds(), 1);
        EXPECT_GT(pieceWhenWindowWent, 0);
        EXPECT_LT(pieceWhenWindowWent, kPiece);
        EXPECT_EQ(filesIn(s.out.path()), std::vector<std::string>{"big.S01"});
        EXPECT_EQ(lengthOf(s.out / "big.S01"), kPiece);
        EXPECT_FALSE(anyBoxSays(s.win.boxes.shown, "Successful"));
        EXPECT_EQ(std::count(s.status.texts.begin(), s.status.texts.end(), "Operation Complete"), 0);
    }
}
