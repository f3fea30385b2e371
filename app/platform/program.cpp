#include "platform/program.h"

#include <windows.h>

#include <vector>

#include "platform/runtime_error.h"

namespace platform {

std::string programFolder() {
    char path[MAX_PATH * 2] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path, n);
    size_t slash = s.find_last_of('\\');
    if (slash == std::string::npos) return s;
    if (slash == 2 && s[1] == ':') return s.substr(0, 3);  // C:\ keeps its backslash
    return s.substr(0, slash);
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
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(showState);
    PROCESS_INFORMATION pi = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &si, &pi))
        throw RuntimeError(kFileNotFound);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

}  // namespace platform
