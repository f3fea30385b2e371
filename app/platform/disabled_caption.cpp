#include "platform/disabled_caption.h"

#include <commctrl.h>

#include <string>

#include "platform/layout.h"

namespace platform {

namespace {

const UINT_PTR kSubclassId = 0xD15A;

// The system's grey text is meant for its own light button face, and on the
// form's grey it all but vanishes (so does the classic white emboss, with
// smoothed small type). A disabled caption takes a darker grey drawn from
// the form's own colour, nine sixteenths of it (#6C6C6C on #C0C0C0, near the
// grey text of today's Windows): plainly greyed beside the black captions,
// yet read at a glance.
COLORREF greyTextOn(COLORREF back) {
    return RGB(GetRValue(back) * 9 / 16, GetGValue(back) * 9 / 16, GetBValue(back) * 9 / 16);
}

void paintDisabled(HWND w, HDC dc, COLORREF back) {
    RECT client;
    GetClientRect(w, &client);
    HBRUSH brush = CreateSolidBrush(back);
    FillRect(dc, &client, brush);
    DeleteObject(brush);

    // The box as the system sizes it: 13 pixels at 96 DPI, centred upright.
    const int size = checkGlyphPixels(windowDpi(GetParent(w)));
    RECT box = {0, (client.bottom - size) / 2, size, (client.bottom - size) / 2 + size};
    LONG kind = GetWindowLongA(w, GWL_STYLE) & BS_TYPEMASK;
    bool radio = kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
    bool checked = SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED;
    DrawFrameControl(dc, &box, DFC_BUTTON,
                     (radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) | DFCS_INACTIVE | (checked ? DFCS_CHECKED : 0));

    int length = GetWindowTextLengthA(w);
    std::string caption(static_cast<size_t>(length) + 1, '\0');
    caption.resize(static_cast<size_t>(GetWindowTextA(w, &caption[0], length + 1)));
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0)));
    // Text starts half a digit's width after the box, as the system puts it.
    SIZE digit = {};
    GetTextExtentPoint32A(dc, "0", 1, &digit);
    RECT text = {box.right + digit.cx / 2, client.top, client.right, client.bottom};
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, greyTextOn(back));
    DrawTextA(dc, caption.c_str(), -1, &text, format);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK boxProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR back) {
    if (msg == WM_PAINT && !IsWindowEnabled(w)) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        paintDisabled(w, dc, static_cast<COLORREF>(back));
        EndPaint(w, &ps);
        return 0;
    }
    LRESULT result = DefSubclassProc(w, msg, wParam, lParam);
    // The control draws these changes at once, its own way; paint them again.
    if ((msg == BM_SETCHECK || msg == BM_SETSTATE || msg == WM_SETTEXT || msg == WM_ENABLE) && !IsWindowEnabled(w))
        InvalidateRect(w, nullptr, TRUE);
    return result;
}

}  // namespace

void drawDisabledCaptionsReadably(HWND box, COLORREF back) {
    SetWindowSubclass(box, &boxProc, kSubclassId, static_cast<DWORD_PTR>(back));
}

}  // namespace platform
