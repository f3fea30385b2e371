#include "about/frm_about.h"

#include <cstring>
#include <vector>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/late_bound.h"
#include "platform/program.h"
#include "platform/runtime_error.h"
#include "res/version.h"

using platform::Twips;

namespace {
enum { kOk = IDOK, kSysInfo = 101, kText = 102, kTitle = 103, kVersion = 104 };
const int kClientWidth = 7230, kClientHeight = 3600;
}  // namespace

const char* const frmAbout::kFeatures =
    " Split huge files easily (Gigabyte files are no problem).\r\n"
    " Split into floppy size, equal size, or equal number.\r\n"
    " Gives you the ability to send huge files via the internet (multiple emails/ or for FTP sites).\r\n"
    " Works on any file type (executables, music files, etc).\r\n"
    " Cleavo creates a  very small program is distributed to the end user to combine the sliced files.\r\n"
    " The Cleavo program works on any Microsoft System and the end user can even be using DOS.";

frmAbout::frmAbout() : ModalDialog("", kClientWidth, kClientHeight) {}

void frmAbout::onInit() {
    // In tab order: OK, System Info, the two labels, the feature text.
    addControl("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, kOk, Twips{5880, 240, 1260, 345});
    addControl("BUTTON", "&System Info...", BS_PUSHBUTTON | WS_TABSTOP, kSysInfo, Twips{5880, 720, 1245, 345});
    HWND title = addControl("STATIC", "", SS_LEFT | SS_NOPREFIX, kTitle, Twips{1680, 240, 4005, 480});
    HWND version = addControl("STATIC", "", SS_LEFT | SS_NOPREFIX, kVersion, Twips{1560, 780, 4245, 225});
    addControl("EDIT", kFeatures, ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP, kText,
               Twips{240, 1200, 6855, 1815}, WS_EX_CLIENTEDGE);
    picture_ = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_CLEAVO), IMAGE_ICON,
                                             toPixels(960), toPixels(960), 0));

    setCaption(std::string("About ") + CLEAVO_TITLE);
    SetWindowTextA(version, ("Version " + std::to_string(CLEAVO_VERSION_MAJOR) + "." +
                             std::to_string(CLEAVO_VERSION_MINOR) + "." + std::to_string(CLEAVO_VERSION_REVISION))
                                .c_str());
    SetWindowTextA(title, CLEAVO_TITLE);
    giveFocus(GetDlgItem(hwnd(), kOk));
}

bool frmAbout::onCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id == kOk || id == IDCANCEL) {
        cmdOK_Click();
        return true;
    }
    if (id == kSysInfo) {
        cmdSysInfo_Click();
        return true;
    }
    return false;
}

void frmAbout::onPaint(HDC dc) {
    if (picture_)
        DrawIconEx(dc, toPixels(240), toPixels(120), picture_, toPixels(960), toPixels(960), 0, nullptr, DI_NORMAL);
    // The engraved separator: a grey line with a white one below it.
    int y = toPixels(3240);
    HPEN grey = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    HPEN white = CreatePen(PS_SOLID, 2, RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(dc, white);
    MoveToEx(dc, toPixels(240), y + 1, nullptr);
    LineTo(dc, toPixels(6960), y + 1);
    SelectObject(dc, grey);
    MoveToEx(dc, toPixels(240), y, nullptr);
    LineTo(dc, toPixels(6960), y);
    SelectObject(dc, old);
    DeleteObject(grey);
    DeleteObject(white);
}

void frmAbout::cmdOK_Click() {
    if (picture_) DestroyIcon(picture_);
    picture_ = nullptr;
    end(IDOK);
}

void frmAbout::cmdSysInfo_Click() { about::StartSysInfo(); }

namespace about {

namespace {
typedef LONG(WINAPI* RegOpenKeyExFn)(HKEY, LPCSTR, DWORD, REGSAM, PHKEY);
typedef LONG(WINAPI* RegQueryValueExFn)(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
typedef LONG(WINAPI* RegCloseKeyFn)(HKEY);
platform::LateBound openKey("advapi32", "RegOpenKeyExA");
platform::LateBound queryValue("advapi32", "RegQueryValueExA");
platform::LateBound closeKey("advapi32", "RegCloseKey");
const REGSAM kAccess = 0x2003F;  // read control, query/set values, create/enumerate subkeys, notify, link
}  // namespace

bool GetKeyValue(HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal) {
    HKEY key = nullptr;
    if (openKey.as<RegOpenKeyExFn>()(KeyRoot, KeyName.c_str(), 0, kAccess, &key) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    std::vector<unsigned char> buffer(1024, 0);
    DWORD type = 0, size = 1024;
    if (queryValue.as<RegQueryValueExFn>()(key, SubKeyRef.c_str(), nullptr, &type, buffer.data(), &size) !=
        ERROR_SUCCESS) {
        KeyVal.clear();
        closeKey.as<RegCloseKeyFn>()(key);
        return false;
    }
    // A text stored with its terminating zero and one stored without it read the same.
    size_t n = size;
    if (n > 0 && buffer[n - 1] == 0) --n;
    if (type == REG_SZ) {
        KeyVal.assign(reinterpret_cast<const char*>(buffer.data()), n);
    } else if (type == REG_DWORD) {
        int32_t value = 0;
        std::memcpy(&value, buffer.data(), sizeof value);
        KeyVal = std::to_string(value);
    }
    closeKey.as<RegCloseKeyFn>()(key);
    return true;
}

void StartSysInfo() {
    try {
        std::string path;
        if (!GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) {
            std::string folder;
            if (!GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder))
                throw platform::RuntimeError(platform::kFileNotFound);
            path = folder + "\\MSINFO32.EXE";
            if (!platform::anythingExists(path)) throw platform::RuntimeError(platform::kFileNotFound);
        }
        platform::startProgram("\"" + path + "\"", SW_SHOWNORMAL);
        return;
    } catch (...) {
    }
    platform::msgBox("System Information Is Unavailable At This Time", platform::kOkOnly, CLEAVO_TITLE);
}

}  // namespace about
