// The program's version, shared by the resources and the About box.
#pragma once
#define CLEAVO_VERSION_MAJOR 2
#define CLEAVO_VERSION_MINOR 5
#define CLEAVO_VERSION_REVISION 5
#define CLEAVO_VERSION_TEXT "2.5.5"
#define CLEAVO_TITLE "cleavo"
#define IDI_CLEAVO 1
