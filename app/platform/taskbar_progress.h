// The progress bar of a window's button on the taskbar; gone again with the
// object. Where the system has no such bar, nothing shows.
#pragma once
#include <windows.h>

#include <cstdint>

struct ITaskbarList3;

namespace platform {

class TaskbarProgress {
public:
    explicit TaskbarProgress(HWND window) : window_(window) {}
    ~TaskbarProgress();
    TaskbarProgress(const TaskbarProgress&) = delete;
    TaskbarProgress& operator=(const TaskbarProgress&) = delete;

    void show(uint64_t done, uint64_t total);

private:
    HWND window_;
    ITaskbarList3* list_ = nullptr;
    bool comStarted_ = false;
    bool tried_ = false;
};

}  // namespace platform
