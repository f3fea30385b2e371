#include "platform/modal_dialog.h"

#include <vector>

#include "platform/layout.h"
#include "platform/runtime_error.h"

namespace platform {

ModalDialog::ModalDialog(std::string caption, int clientWidthTwips, int clientHeightTwips)
    : caption_(std::move(caption)), width_(clientWidthTwips), height_(clientHeightTwips) {}

int ModalDialog::run(HWND owner) {
    // An empty template with the system's dialog font; the controls are made
    // when the dialog starts, where its DPI is known.
    std::vector<WORD> t(64, 0);
    DLGTEMPLATE* d = reinterpret_cast<DLGTEMPLATE*>(t.data());
    d->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;
    d->cx = 100;
    d->cy = 50;
    WORD* p = reinterpret_cast<WORD*>(d + 1);
    *p++ = 0;  // no menu
    *p++ = 0;  // the dialog class
    *p++ = 0;  // no caption here
    *p++ = 8;  // point size
    for (const char* f = "MS Shell Dlg"; *f; ++f) *p++ = static_cast<WORD>(*f);
    *p++ = 0;
    failure_ = nullptr;
    INT_PTR r = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), d, owner, &ModalDialog::procedure,
                                        reinterpret_cast<LPARAM>(this));
    if (failure_) {
        std::exception_ptr f = failure_;
        failure_ = nullptr;
        std::rethrow_exception(f);
    }
    if (r == -1) throw RuntimeError(kInvalidCall);
    return static_cast<int>(r);
}

HWND ModalDialog::addControl(const char* cls, const std::string& text, DWORD style, int id, Twips place,
                             DWORD exStyle) {
    HWND c = CreateWindowExA(exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, toPixels(place.left),
                             toPixels(place.top), toPixels(place.width), toPixels(place.height), hwnd_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(c, WM_SETFONT, SendMessageA(hwnd_, WM_GETFONT, 0, 0), FALSE);
    return c;
}

void ModalDialog::setCaption(const std::string& caption) { SetWindowTextA(hwnd_, caption.c_str()); }

void ModalDialog::giveFocus(HWND control) {
    SetFocus(control);
    focusGiven_ = true;
}

INT_PTR CALLBACK ModalDialog::procedure(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
    ModalDialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<ModalDialog*>(lParam);
        SetWindowLongPtrA(w, DWLP_USER, lParam);
        self->hwnd_ = w;
    } else {
        self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(w, DWLP_USER));
    }
    if (!self) return FALSE;
    // No exception crosses the dialog procedure: the first one is kept for
    // run() to raise once the dialog has closed.
    try {
        return self->handle(msg, wParam, lParam);
    } catch (...) {
        if (!self->failure_) self->failure_ = std::current_exception();
        EndDialog(w, IDCANCEL);
        return TRUE;
    }
}

INT_PTR ModalDialog::handle(UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG: {
        dpi_ = windowDpi(hwnd_);
        setCaption(caption_);
        RECT r = {0, 0, toPixels(width_), toPixels(height_)};
        AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE)));
        SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        centreOnWorkArea(hwnd_);
        focusGiven_ = false;
        onInit();
        // FALSE keeps the focus where onInit put it.
        return focusGiven_ ? FALSE : TRUE;
    }
    case WM_COMMAND:
        if (onCommand(LOWORD(wParam), HIWORD(wParam))) return TRUE;
        if (LOWORD(wParam) == IDCANCEL) {
            end(IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        onPaint(dc);
        EndPaint(hwnd_, &ps);
        return TRUE;
    }
    case WM_CLOSE:
        end(IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace platform
