// Sizes and places on the screen: a window's DPI, twips in pixels, and
// centring a window on the screen's work area.
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

// Moves a window to the middle of the screen's work area, keeping its size.
void centreOnWorkArea(HWND w);

}  // namespace platform
