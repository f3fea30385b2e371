#include "app/support/splitter_window.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <mutex>
#include <stdexcept>

#include "platform/controls.h"
#include "platform/message_loop.h"
#include "platform/program.h"
#include "support/temp_dir.h"

namespace testing_support {

int DialogRecorder::messageBox(const std::string& text, const std::string& title, unsigned style) {
    shown.push_back({text, title, style});
    if (whileShown) whileShown(shown.back());
    int answer = platform::kAnswerOk;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    return answer;
}

std::string DialogRecorder::inputBox(const std::string& prompt, const std::string& title, const std::string& answer) {
    shown.push_back({prompt + "|" + answer, title, 0});
    if (inputs.empty()) return "";
    std::string typed = inputs.front();
    inputs.pop_front();
    return typed;
}

std::vector<std::string> DialogRecorder::texts() const {
    std::vector<std::string> t;
    for (const ShownBox& b : shown) t.push_back(b.text);
    return t;
}

namespace {
int ends = 0;
void recordEnd() { ++ends; }
}  // namespace

int programEnds() { return ends; }

SplitterWindow::SplitterWindow(const std::string& startFolder) {
    char old[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, old);
    oldFolder_ = old;
    SetCurrentDirectoryA(startFolder.c_str());
    platform::setDialogSeam(&boxes);
    platform::setEndProgramSeam(&recordEnd);
    ends = 0;
    window_ = std::make_unique<frmSplitter>();
    window_->create(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    settle();
}

SplitterWindow::~SplitterWindow() {
    window_->destroy();
    window_.reset();
    platform::setDialogSeam(nullptr);
    platform::setEndProgramSeam(nullptr);
    SetCurrentDirectoryA(oldFolder_.c_str());
}

void SplitterWindow::settle() {
    for (int i = 0; i < 3; ++i) {
        platform::doEvents();
        Sleep(20);
    }
}

void SplitterWindow::chooseFile(const std::string& folder, const std::string& name) {
    w().cleavDir.setPath(folder);
    for (int i = 0; i < w().fiInFile.count(); ++i)
        if (w().fiInFile.item(i) == name) {
            w().fiInFile.setListIndex(i);
            return;
        }
    throw std::runtime_error("no file " + name + " listed in " + folder);
}

void SplitterWindow::splitInto(const std::string& outFolder) {
    w().cmdSPlit.click();
    w().cleavDir.setPath(outFolder);
    w().cmdSPlit.click();
    settle();
}

void SplitterWindow::backToTheFileChoice() {
    w().setPhase(frmSplitter::Phase::kFileChoice);
    w().fiInFile.setVisible(true);
}

namespace {
const UINT_PTR kTextRecorderId = 0xC1EA;

std::string textOf(HWND hwnd) {
    char buf[1024] = {};
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}
}  // namespace

TextRecorder::TextRecorder(HWND control) : hwnd_(control) {
    SetWindowSubclass(hwnd_, &TextRecorder::proc, kTextRecorderId, reinterpret_cast<DWORD_PTR>(this));
}

TextRecorder::~TextRecorder() { RemoveWindowSubclass(hwnd_, &TextRecorder::proc, kTextRecorderId); }

LRESULT CALLBACK TextRecorder::proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* recorder = reinterpret_cast<TextRecorder*>(self);
    // Read back once set, so that the text is the one the control holds,
    // whichever character set the message came in.
    if (msg == WM_SETTEXT) {
        LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
        recorder->texts.push_back(textOf(hwnd));
        if (recorder->onText) recorder->onText(recorder->texts.back());
        return result;
    }
    if (msg == WM_PAINT) recorder->painted.push_back(textOf(hwnd));
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

int runBatch(const std::string& folder, const std::string& batchName, std::string* output) {
    // cmd /c drops the first and last quotation marks where the name holds
    // "&" and the like: a second pair keeps the name whole.
    std::string command = "cmd.exe /c \"\"" + batchName + "\"\"";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    char temp[MAX_PATH], outPath[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    GetTempFileNameA(temp, "cmd", 0, outPath);
    // Run from several threads at once, each child inherits only its own handles.
    static std::mutex starting;
    std::unique_lock<std::mutex> one(starting);
    HANDLE in =
        CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    HANDLE out = CreateFileA(outPath, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    si.wShowWindow = SW_HIDE;
    si.hStdInput = in;
    si.hStdOutput = si.hStdError = out;
    PROCESS_INFORMATION pi = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    const BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                       folder.c_str(), &si, &pi);
    CloseHandle(in);
    CloseHandle(out);
    one.unlock();
    if (started) WaitForSingleObject(pi.hProcess, 60000);
    if (output) *output = readFile(outPath);
    DeleteFileA(outPath);
    if (!started) return -1;
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

}  // namespace testing_support
