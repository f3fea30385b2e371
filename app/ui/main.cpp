// Cleavo: the main window is the whole program.
#include <windows.h>

#include <exception>

#include "platform/dialogs.h"
#include "platform/message_loop.h"
#include "platform/program.h"
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
    // A file named on the command line (Send To, Open with) is chosen as a
    // dropped one would be; without one the window is as it started.
    window.Form_Command(platform::programArguments());
    return platform::runMessageLoop();
}
