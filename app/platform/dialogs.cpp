#include "platform/dialogs.h"
#include <windows.h>
namespace platform {
const char* const kAppTitle = "Cleavo File Splitter";
namespace { DialogSeam* seam = nullptr; }
void setDialogSeam(DialogSeam* s) { seam = s; }
int msgBox(const std::string& text, unsigned style, const std::string& title) {
    if (seam) return seam->messageBox(text, title, style);
    return MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), style);
}
std::string inputBox(const std::string& prompt, const std::string& title, const std::string& def) {
    if (seam) return seam->inputBox(prompt, title, def);
    return def;
}
}
