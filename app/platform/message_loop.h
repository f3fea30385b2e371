// The message loop of the program, and letting the waiting messages run in
// the middle of a handler ("process pending events").
#pragma once
#include <windows.h>

namespace platform {

// Sees every message before it is dispatched; true when it handled the
// message itself (keyboard navigation in a window, say).
typedef bool (*MessageFilter)(MSG& msg);
// The one filter of the program; the form installs its keyboard navigation.
void setMessageFilter(MessageFilter filter);

// Runs until the program quits; returns the quit code.
int runMessageLoop();

// Processes the window messages that are waiting, then returns.
void doEvents();

}  // namespace platform
