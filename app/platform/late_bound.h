// A function of a DLL, bound by name at its first call, as a declared
// external function is: the library is looked for with the system's usual
// search. A library that cannot be found is a run-time error 53 ("File not
// found: name.dll"), one that cannot be loaded 48, a missing function 453.
#pragma once
#include <windows.h>

#include <string>

namespace platform {

class LateBound {
public:
    LateBound(const char* library, const char* function) : library_(library), function_(function) {}
    // The function's address; binds it on the first call.
    FARPROC address();
    template <class Fn>
    Fn as() {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(address()));
    }

private:
    const char* library_;
    const char* function_;
    FARPROC proc_ = nullptr;
};

}  // namespace platform
