#include "platform/runtime_error.h"

#include <windows.h>

namespace platform {

std::string RuntimeError::describe(long number) {
    switch (number) {
    case kInvalidCall: return "Invalid procedure call or argument";
    case kOverflow: return "Overflow";
    case kSubscriptRange: return "Subscript out of range";
    case kDivisionByZero: return "Division by zero";
    case kTypeMismatch: return "Type mismatch";
    case kDllLoad: return "Error in loading DLL";
    case kBadFileNameOrNumber: return "Bad file name or number";
    case kFileNotFound: return "File not found";
    case kDeviceIo: return "Device I/O error";
    case kFileExists: return "File already exists";
    case kDiskFull: return "Disk full";
    case kInputPastEnd: return "Input past end of file";
    case kDeviceUnavailable: return "Device unavailable";
    case kPermissionDenied: return "Permission denied";
    case kPathFileAccess: return "Path/File access error";
    case kPathNotFound: return "Path not found";
    case kInvalidProperty: return "Invalid property value";
    case kDllEntryPoint: return "Can't find DLL entry point";
    default: return "Application-defined or object-defined error";
    }
}

RuntimeError RuntimeError::fromWin32(unsigned long code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND: return RuntimeError(kFileNotFound);
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY: return RuntimeError(kPathNotFound);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return RuntimeError(kPermissionDenied);
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS: return RuntimeError(kFileExists);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return RuntimeError(kDiskFull);
    case ERROR_NOT_READY:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_INVALID_DRIVE: return RuntimeError(kDeviceUnavailable);
    default: return RuntimeError(kPathFileAccess);
    }
}

}  // namespace platform
