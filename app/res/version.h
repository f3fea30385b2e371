// The program's version, shared by the resources and the About box. The
// numbers come from the CMake project, through the generated header.
#pragma once
#include "cleavo_version.h"
#define CLEAVO_TITLE "cleavo"
// The window's title, every message box's and the program's description.
#define CLEAVO_APP_TITLE "Cleavo File Splitter"
#define IDI_CLEAVO 1
