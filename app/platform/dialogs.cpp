#include "platform/dialogs.h"

#include <windows.h>

#include "platform/modal_dialog.h"
#include "res/version.h"

namespace platform {

const char* const kAppTitle = CLEAVO_APP_TITLE;

namespace {
DialogSeam* seam = nullptr;

// The input box: a prompt, OK and Cancel on the right, the answer below.
class InputBox : public ModalDialog {
public:
    InputBox(const std::string& prompt, const std::string& title, const std::string& answer)
        : ModalDialog(title, 6135, 2115), prompt_(prompt), answer_(answer) {}
    std::string answer() const { return answer_; }

private:
    enum { kEdit = 100 };
    void onInit() override {
        addControl("STATIC", prompt_, SS_LEFT, -1, Twips{120, 120, 4575, 1215});
        addControl("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, Twips{4800, 120, 1215, 375});
        addControl("BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, Twips{4800, 570, 1215, 375});
        HWND edit = addControl("EDIT", answer_, ES_AUTOHSCROLL | WS_TABSTOP, kEdit, Twips{120, 1620, 5895, 315},
                               WS_EX_CLIENTEDGE);
        // Typing replaces the proposed answer; Enter confirms it.
        giveFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
    }
    bool onCommand(int id, int) override {
        if (id != IDOK) return false;
        // A name of any script: its UTF-8 may be three times its length.
        HWND edit = GetDlgItem(hwnd(), kEdit);
        std::string text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(edit, &text[0], static_cast<int>(text.size()))));
        answer_ = text;
        end(IDOK);
        return true;
    }
    std::string prompt_;
    std::string answer_;
};
}  // namespace

void setDialogSeam(DialogSeam* s) { seam = s; }

namespace {
HWND mainWindow = nullptr;
HWND ownerOfBoxes() { return IsWindow(mainWindow) ? mainWindow : GetActiveWindow(); }
}  // namespace

void setBoxOwner(HWND window) { mainWindow = window; }
HWND boxOwner() { return IsWindow(mainWindow) ? mainWindow : nullptr; }

int msgBox(const std::string& text, unsigned style, const std::string& title) {
    if (seam) return seam->messageBox(text, title, style);
    return MessageBoxA(ownerOfBoxes(), text.c_str(), title.c_str(), style);
}

std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultAnswer) {
    if (seam) return seam->inputBox(prompt, title, defaultAnswer);
    InputBox box(prompt, title, defaultAnswer);
    if (box.run(ownerOfBoxes()) != IDOK) return "";
    return box.answer();
}

}  // namespace platform
