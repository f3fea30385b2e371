#include "platform/layout.h"

#include <algorithm>

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

int textScalePercent() {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Accessibility", "TextScaleFactor", RRF_RT_REG_DWORD,
                     nullptr, &value, &size) != ERROR_SUCCESS)
        return 100;
    return static_cast<int>(std::min<DWORD>(std::max<DWORD>(value, 100), 225));
}

RECT workAreaOf(HWND w) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(MonitorFromWindow(w, MONITOR_DEFAULTTONEAREST), &info)) return info.rcWork;
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

namespace {
// Places a window's top left corner at `left`, `top`, or nearer to the work
// area's own where the window would stick out (its title bar first).
void placeOnWorkArea(HWND w, int left, int top) {
    RECT r;
    GetWindowRect(w, &r);
    const RECT work = workAreaOf(w);
    left = std::max<int>(work.left, std::min<int>(left, work.right - (r.right - r.left)));
    top = std::max<int>(work.top, std::min<int>(top, work.bottom - (r.bottom - r.top)));
    if (left != r.left || top != r.top)
        SetWindowPos(w, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

void centreOnWorkArea(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    const RECT work = workAreaOf(w);
    placeOnWorkArea(w, work.left + (work.right - work.left - (r.right - r.left)) / 2,
                    work.top + (work.bottom - work.top - (r.bottom - r.top)) / 2);
}

void keepOnWorkArea(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    placeOnWorkArea(w, r.left, r.top);
}

}  // namespace platform
