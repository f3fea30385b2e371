// Sizes and places on the screen: a window's DPI, twips in pixels, and
// placing a window on its monitor's work area.
#pragma once
#include <windows.h>

namespace platform {

// The DPI that a window is shown at (the system's, where the window cannot say).
UINT windowDpi(HWND w);

// 1,440 twips to the inch.
inline int twipsToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

// The side of the box of a check box or option button as the system draws it:
// 13 pixels at 96 DPI.
inline int checkGlyphPixels(UINT dpi) { return MulDiv(13, static_cast<int>(dpi), 96); }

// The user's text size in percent, 100 to 225: Windows' "Make text bigger",
// which enlarges text without changing the DPI. 100 where it is not set.
int textScalePercent();

// The work area (the screen less the taskbar) of the monitor that shows most
// of a window.
RECT workAreaOf(HWND w);

// Moves a window to the middle of its monitor's work area, keeping its size;
// one larger than the work area keeps its title bar on it.
void centreOnWorkArea(HWND w);
// Moves a window only as far as it takes to lie on its monitor's work area.
void keepOnWorkArea(HWND w);

}  // namespace platform
