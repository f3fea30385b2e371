// The program's version, shared by the resources and the About box. The
// numbers come from the CMake project, through the generated header.
#pragma once
#include "cleavo_version.h"
#define CLEAVO_TITLE "cleavo"
#define IDI_CLEAVO 1
