// A long job on a worker thread while the window that waits for it goes on
// answering, as it does between the steps of a handler that lets events run.
#pragma once
#include <windows.h>

#include <functional>

namespace platform {

// Runs work on a new thread and returns once it has finished, rethrowing
// what it threw. Meanwhile the waiting messages of this thread run (as
// doEvents runs them) and tick runs about every tickMs milliseconds, as long
// as the window exists; once it is gone, only what other threads send to
// this one is answered. A message box that work shows without an owner gets
// the window as its owner, and the window is disabled while it shows, as if
// the window's own thread had shown it.
void runOffThread(HWND window, const std::function<void()>& work, const std::function<void()>& tick,
                  DWORD tickMs);

// While one lives, a message box that this thread shows without an owner
// (the library's) gets the window as its owner, and the window is disabled
// while it shows, as for a box of the window's own.
class BoxesOwnedBy {
public:
    explicit BoxesOwnedBy(HWND window);
    ~BoxesOwnedBy();
    BoxesOwnedBy(const BoxesOwnedBy&) = delete;
    BoxesOwnedBy& operator=(const BoxesOwnedBy&) = delete;

private:
    HHOOK hook_;
    HWND previous_;
};

// True while runOffThread waits for its job.
bool offThreadJobRunning();

}  // namespace platform
