// A modal dialog whose controls are laid out in twips from code, centred on
// the screen and owned by the window that opens it (so it has no task-bar
// button). The input box and the About box are made with it.
#pragma once
#include <windows.h>

#include <exception>
#include <string>

#include "platform/controls.h"
#include "platform/layout.h"

namespace platform {

class ModalDialog {
public:
    ModalDialog(std::string caption, int clientWidthTwips, int clientHeightTwips);
    virtual ~ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Shows the dialog and returns the code it was ended with. A dialog that
    // cannot be shown, or a failure inside its own handlers (which closes it),
    // is raised here as a run-time error for the caller's error tail.
    int run(HWND owner);

protected:
    HWND hwnd() const { return hwnd_; }
    int toPixels(int twips) const { return twipsToPixels(twips, dpi_); }
    HWND addControl(const char* cls, const std::string& text, DWORD style, int id, Twips place, DWORD exStyle = 0);
    void setCaption(const std::string& caption);
    void end(int code) { EndDialog(hwnd_, code); }
    // The control that has the keyboard focus when the dialog opens; without
    // this the dialog manager gives it to the first tab stop.
    void giveFocus(HWND control);

    virtual void onInit() {}
    // True when the command was handled.
    virtual bool onCommand(int /*id*/, int /*code*/) { return false; }
    virtual void onPaint(HDC) {}

private:
    static INT_PTR CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    INT_PTR handle(UINT msg, WPARAM wParam, LPARAM lParam);

    std::string caption_;
    int width_, height_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    bool focusGiven_ = false;
    std::exception_ptr failure_;
};

}  // namespace platform
