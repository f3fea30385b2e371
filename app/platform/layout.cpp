#include "platform/layout.h"

namespace platform {

UINT windowDpi(HWND w) {
    typedef UINT(WINAPI * GetDpiForWindowFn)(HWND);
    static auto fn = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (fn && w) {
        UINT d = fn(w);
        if (d) return d;
    }
    HDC dc = GetDC(nullptr);
    int d = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return d > 0 ? static_cast<UINT>(d) : 96;
}

void centreOnWorkArea(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(w, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace platform
