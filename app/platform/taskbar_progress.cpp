#include "platform/taskbar_progress.h"

#include <objbase.h>
#include <shobjidl.h>

namespace platform {

TaskbarProgress::~TaskbarProgress() {
    if (list_) {
        if (IsWindow(window_)) list_->SetProgressState(window_, TBPF_NOPROGRESS);
        list_->Release();
    }
    if (comStarted_) CoUninitialize();
}

void TaskbarProgress::show(uint64_t done, uint64_t total) {
    if (!tried_) {
        tried_ = true;
        HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        comStarted_ = SUCCEEDED(started);
        void* list = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3, &list))) {
            list_ = static_cast<ITaskbarList3*>(list);
            if (FAILED(list_->HrInit())) {
                list_->Release();
                list_ = nullptr;
            }
        }
    }
    if (list_ && IsWindow(window_)) list_->SetProgressValue(window_, done, total);
}

}  // namespace platform
