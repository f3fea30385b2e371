// Cleavo: the main window is the whole program.
#include <windows.h>

#include "platform/form.h"
#include "ui/frm_splitter.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    frmSplitter window;
    window.quitOnDestroy = true;
    window.create(instance, show);
    return platform::Form::run();
}
