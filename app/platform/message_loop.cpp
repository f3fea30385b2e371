#include "platform/message_loop.h"

namespace platform {

namespace {
MessageFilter filter = nullptr;

void dispatch(MSG& msg) {
    if (filter && filter(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}
}  // namespace

void setMessageFilter(MessageFilter f) { filter = f; }

int runMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) dispatch(msg);
    return static_cast<int>(msg.wParam);
}

void doEvents() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that waits for it
            break;
        }
        dispatch(msg);
    }
}

}  // namespace platform
