// What a path names as the program's own plain calls reach it. The paths are
// not given the long-path prefix on purpose: that prefix would turn a device
// name such as nul.S01 into an ordinary file, hiding where the bytes go.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

enum class FileKind {
    kNothing,   // free: neither file nor folder of that name
    kDiskFile,  // an ordinary file on a disk
    kFolder,
    kDevice,    // the system opens something other than a disk file there
    kUnknown,   // the system will not say (access denied, a drive not ready)
};
FileKind fileKindAt(const std::string& path);

// True for a disk file that may be replaced: no read-only, hidden or system
// mark, and nobody holds it against writing. The file is not changed.
bool replaceableFile(const std::string& path);

// The length of a disk file; false for anything else (nothing there, a
// folder, a device).
bool diskFileLength(const std::string& path, uint64_t& length);

}  // namespace platform
