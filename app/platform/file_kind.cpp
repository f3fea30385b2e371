#include "platform/file_kind.h"

#include <windows.h>

#include "platform/files.h"

namespace platform {

namespace {
const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens what is at the path with the given access; nothing is created.
HANDLE openExisting(const std::string& path, DWORD access) {
    return CreateFileA(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}
}  // namespace

FileKind fileKindAt(const std::string& path) {
    QuietDriveErrors quiet;
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileKind::kNothing
                                                                              : FileKind::kUnknown;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileKind::kFolder;
    HANDLE h = openExisting(path, 0);
    if (h == INVALID_HANDLE_VALUE) return FileKind::kUnknown;
    DWORD type = GetFileType(h);
    CloseHandle(h);
    return type == FILE_TYPE_DISK ? FileKind::kDiskFile : FileKind::kDevice;
}

bool replaceableFile(const std::string& path) {
    QuietDriveErrors quiet;
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                       FILE_ATTRIBUTE_SYSTEM)))
        return false;
    HANDLE h = openExisting(path, GENERIC_WRITE);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool disk = GetFileType(h) == FILE_TYPE_DISK;
    CloseHandle(h);
    return disk;
}

bool diskFileLength(const std::string& path, uint64_t& length) {
    QuietDriveErrors quiet;
    HANDLE h = openExisting(path, FILE_READ_ATTRIBUTES);
    if (h == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool disk = GetFileType(h) == FILE_TYPE_DISK && GetFileSizeEx(h, &size);
    CloseHandle(h);
    if (disk) length = static_cast<uint64_t>(size.QuadPart);
    return disk;
}

}  // namespace platform
