#include "platform/late_bound.h"

#include "platform/runtime_error.h"

namespace platform {

FARPROC LateBound::address() {
    if (proc_) return proc_;
    HMODULE module = LoadLibraryA(library_);
    if (!module) {
        DWORD code = GetLastError();
        if (code == ERROR_MOD_NOT_FOUND || code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
            throw RuntimeError(kFileNotFound, RuntimeError::describe(kFileNotFound) + ": " + library_);
        throw RuntimeError(kDllLoad, RuntimeError::describe(kDllLoad) + ": " + library_);
    }
    proc_ = GetProcAddress(module, function_);
    if (!proc_)
        throw RuntimeError(kDllEntryPoint,
                           RuntimeError::describe(kDllEntryPoint) + " " + function_ + " in " + library_);
    return proc_;
}

}  // namespace platform
