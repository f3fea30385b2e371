#include "platform/off_thread.h"

#include <process.h>

#include <cstring>
#include <exception>

#include "platform/message_loop.h"
#include "platform/runtime_error.h"

namespace platform {

namespace {

struct Job {
    const std::function<void()>* work;
    HWND window;
    std::exception_ptr failure;
};

// The window of the job on this thread, and the box it lends itself to.
thread_local HWND boxOwner = nullptr;
thread_local HWND ownedBox = nullptr;
thread_local bool ownerWasEnabled = false;

// Jobs running, each waited for by the one user-interface thread.
int jobsRunning = 0;

bool isTopLevelDialog(HWND w, const CREATESTRUCTA& create) {
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof cls);
    return std::strcmp(cls, "#32770") == 0 && !(create.style & WS_CHILD);
}

// A box without an owner would sit behind the window or beside it, and the
// window would take clicks meant for no one while the job waits on the box.
LRESULT CALLBACK lendWindowToBoxes(int code, WPARAM wParam, LPARAM lParam) {
    HWND w = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && !ownedBox && IsWindow(boxOwner)) {
        CREATESTRUCTA& create = *reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (!create.hwndParent && isTopLevelDialog(w, create)) {
            create.hwndParent = boxOwner;
            // Some systems make the window before the hook runs and no longer
            // read the owner from the creation data.
            SetWindowLongPtrA(w, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(boxOwner));
            ownedBox = w;
            ownerWasEnabled = !EnableWindow(boxOwner, FALSE);
        }
    } else if (code == HCBT_DESTROYWND && w == ownedBox) {
        // Enabled before the box goes, so that the window takes the activation back.
        if (ownerWasEnabled && IsWindow(boxOwner)) EnableWindow(boxOwner, TRUE);
        ownedBox = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

unsigned __stdcall jobThread(void* p) {
    Job& job = *static_cast<Job*>(p);
    BoxesOwnedBy owned(job.window);
    try {
        (*job.work)();
    } catch (...) {
        job.failure = std::current_exception();
    }
    return 0;
}

// Waits for the thread, answering only what other threads send meanwhile
// (the job's box enabling the window, say): nothing of the window runs.
void waitAnsweringSenders(HANDLE thread) {
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace

BoxesOwnedBy::BoxesOwnedBy(HWND window)
    : hook_(SetWindowsHookExA(WH_CBT, &lendWindowToBoxes, nullptr, GetCurrentThreadId())), previous_(boxOwner) {
    boxOwner = window;
}

BoxesOwnedBy::~BoxesOwnedBy() {
    if (hook_) UnhookWindowsHookEx(hook_);
    boxOwner = previous_;
}

void runOffThread(HWND window, const std::function<void()>& work, const std::function<void()>& tick,
                  DWORD tickMs) {
    Job job{&work, window, nullptr};
    HANDLE thread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &jobThread, &job, 0, nullptr));
    if (!thread) throw RuntimeError::fromWin32(GetLastError());
    // Whatever leaves this function, the job is over first: it uses job.
    struct Joined {
        HANDLE thread;
        ~Joined() {
            waitAnsweringSenders(thread);
            CloseHandle(thread);
            --jobsRunning;
        }
    } joined{thread};
    ++jobsRunning;

    DWORD lastTick = GetTickCount();
    while (IsWindow(window)) {
        DWORD left = tickMs - (GetTickCount() - lastTick);
        if (left > tickMs) left = 0;
        if (MsgWaitForMultipleObjects(1, &thread, FALSE, left, QS_ALLINPUT) == WAIT_OBJECT_0) break;
        doEvents();
        if (IsWindow(window) && GetTickCount() - lastTick >= tickMs) {
            lastTick = GetTickCount();
            tick();
        }
    }
    // Once the window has gone, the job is waited for without it; what it
    // threw is read only once it is over.
    waitAnsweringSenders(thread);
    if (job.failure) std::rethrow_exception(job.failure);
}

bool offThreadJobRunning() { return jobsRunning > 0; }

}  // namespace platform
