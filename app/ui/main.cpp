// Cleavo: the main window is the whole program.
#include <windows.h>

#include <exception>

#include "platform/dialogs.h"
#include "platform/message_loop.h"
#include "platform/runtime_error.h"
#include "ui/frm_splitter.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    frmSplitter window;
    window.quitOnDestroy = true;
    try {
        window.create(instance, show);
    } catch (const std::exception& e) {
        // Nothing of the window can be trusted: say why, and end.
        MessageBoxA(nullptr, (std::string("Cleavo cannot open its window: ") + e.what()).c_str(),
                    platform::kAppTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
    return platform::runMessageLoop();
}
