// Check boxes and option buttons that are disabled, drawn so that their
// caption still reads on the form's own colour.
#pragma once
#include <windows.h>

namespace platform {

// From now on the control draws itself this way whenever it is disabled:
// its box greyed, its caption in a grey that reads on the back colour.
// Enabled, it draws as usual.
void drawDisabledCaptionsReadably(HWND box, COLORREF back);

}  // namespace platform
