// The one failure type of the program: a run-time error with the classic
// number and text that users of such programs know.
#pragma once
#include <stdexcept>
#include <string>

namespace platform {

enum ErrorNumber : long {
    kInvalidCall = 5,        // Invalid procedure call or argument
    kOverflow = 6,           // Overflow
    kSubscriptRange = 9,     // Subscript out of range
    kDivisionByZero = 11,    // Division by zero
    kTypeMismatch = 13,      // Type mismatch
    kDllLoad = 48,           // Error in loading DLL
    kBadFileNameOrNumber = 52,
    kFileNotFound = 53,      // File not found
    kDeviceIo = 57,          // Device I/O error
    kFileExists = 58,        // File already exists
    kDiskFull = 61,          // Disk full
    kInputPastEnd = 62,      // Input past end of file
    kDeviceUnavailable = 68, // Device unavailable
    kPermissionDenied = 70,  // Permission denied
    kPathFileAccess = 75,    // Path/File access error
    kPathNotFound = 76,      // Path not found
    kInvalidProperty = 380,  // Invalid property value
    kDllEntryPoint = 453,    // Can't find DLL entry point
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(long number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    explicit RuntimeError(long number) : RuntimeError(number, describe(number)) {}
    long number() const { return number_; }
    std::string description() const { return what(); }

    // The classic text of a run-time error number.
    static std::string describe(long number);
    // The run-time error that matches a Win32 error code (GetLastError()).
    static RuntimeError fromWin32(unsigned long code);

private:
    long number_;
};

}  // namespace platform
