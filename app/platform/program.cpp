#include "platform/program.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "platform/ansi_text.h"
#include "platform/runtime_error.h"

namespace platform {

std::string programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD n;
    while ((n = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()))) >= path.size())
        path.resize(path.size() * 2);
    std::string s = ansiFrom(path.substr(0, n));
    size_t slash = s.find_last_of('\\');
    if (slash == std::string::npos) return s;
    if (slash == 2 && s[1] == ':') return s.substr(0, 3);  // C:\ keeps its backslash
    return s.substr(0, slash);
}

std::string userAppDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) return "";
    return ansiFrom(folder);
}

std::vector<std::string> argumentsOf(const std::wstring& commandLine) {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* parts = CommandLineToArgvW(commandLine.c_str(), &count);
    if (!parts) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(ansiFrom(parts[i]));
    LocalFree(parts);
    return arguments;
}

std::vector<std::string> programArguments() { return argumentsOf(GetCommandLineW()); }

bool namesShortcut(const std::string& path) {
    return path.size() > 4 && lstrcmpiA(path.c_str() + path.size() - 4, ".lnk") == 0;
}

std::string shortcutTarget(const std::string& path) {
    // The shell's own reader of shortcuts, through COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::wstring target;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t found[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(wideFromAnsi(path).c_str(), STGM_READ)) &&
                link->GetPath(found, MAX_PATH, nullptr, 0) == S_OK)
                target = found;
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return ansiFrom(target);
}

namespace {
void (*endSeam)() = nullptr;
}

void setEndProgramSeam(void (*seam)()) { endSeam = seam; }

void endProgram() {
    if (endSeam) {
        endSeam();
        throw ProgramEnded{};
    }
    ExitProcess(0);
}

void startProgram(const std::string& commandLine, int showState, const std::string& workingFolder) {
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(showState);
    PROCESS_INFORMATION pi = {};
    std::wstring wide = wideFromAnsi(commandLine);
    std::vector<wchar_t> line(wide.begin(), wide.end());
    line.push_back(L'\0');
    const std::wstring folder = wideFromAnsi(workingFolder);
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &si, &pi))
        throw RuntimeError(kFileNotFound);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

}  // namespace platform
