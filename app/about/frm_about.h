// The About box, and finding and starting the system information tool.
#pragma once
#include <windows.h>

#include <string>

#include "platform/modal_dialog.h"

class frmAbout : public platform::ModalDialog {
public:
    frmAbout();
    static const char* const kFeatures;

private:
    void onInit() override;
    bool onCommand(int id, int code) override;
    void onPaint(HDC dc) override;
    void cmdOK_Click();
    void cmdSysInfo_Click();
    HICON picture_ = nullptr;
};

namespace about {

// The text of a registry value: type 1 as text, type 4 as the decimal of its
// signed 32-bit number; false (and an empty text) when the key or value
// cannot be read. The registry functions are bound by name.
bool GetKeyValue(HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal);

// Starts the system information tool named by the registry, or says it is
// unavailable.
void StartSysInfo();

}  // namespace about
