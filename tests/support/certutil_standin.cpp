// A stand-in for Windows' certutil in the test prefix's system32 (Wine has
// only a silent one): "certutil -hashfile FILE SHA256" prints the file's real
// SHA-256 between a title and a closing line, in the form CLEAVO_CERTUTIL_FORM
// names: "win10" (English, lowercase digits), "win7" (pairs of uppercase
// digits separated by spaces) or "german" (another language). An empty or
// unreadable file is refused with an error, as certutil refuses it.
#include <windows.h>
#include <shellapi.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/sha256.h"

namespace {
void say(const std::string& text) {
    DWORD wrote = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &wrote, nullptr);
}
}  // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc != 4 || lstrcmpiW(argv[1], L"-hashfile") != 0 || lstrcmpiW(argv[3], L"SHA256") != 0) {
        say("CertUtil: unexpected arguments\r\n");
        return 87;
    }
    const char* env = getenv("CLEAVO_CERTUTIL_FORM");
    const std::string form = env ? env : "win10";
    HANDLE file = CreateFileW(argv[2], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    platform::Sha256 sha;
    char buffer[65536];
    DWORD got = 0;
    long long total = 0;
    while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        sha.add(buffer, got);
        total += got;
    }
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (file == INVALID_HANDLE_VALUE || total == 0) {
        say("CertUtil: -hashfile command FAILED: 0x80070490 (WIN32: 1168 ERROR_NOT_FOUND)\r\n"
            "CertUtil: Element not found.\r\n");
        return -2147023728;
    }
    std::string hex = platform::hexDigest(sha.finish()), shown;
    if (form == "win7") {
        for (size_t i = 0; i < hex.size(); i += 2)
            shown += std::string(i ? " " : "") + char(toupper(hex[i])) + char(toupper(hex[i + 1]));
    } else {
        shown = hex;
    }
    if (form == "german")
        say("SHA256-Hash von Datei:\r\n" + shown +
            "\r\nCertUtil: -hashfile-Befehl wurde erfolgreich ausgef\x81hrt.\r\n");
    else
        say("SHA256 hash of file:\r\n" + shown + "\r\nCertUtil: -hashfile command completed successfully.\r\n");
    return 0;
}
