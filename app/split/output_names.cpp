#include "split/output_names.h"

#include "platform/file_kind.h"
#include "platform/files.h"
#include "split/messages.h"
#include "split/plan.h"

namespace split {

std::string nameInTheWay(const std::string& folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const std::string path = platform::joinFolder(folder, name);
        switch (platform::fileKindAt(path)) {
        case platform::FileKind::kNothing: break;
        case platform::FileKind::kFolder: return folderInTheWayText(path);
        case platform::FileKind::kDevice: return deviceInTheWayText(path);
        case platform::FileKind::kDiskFile:
            if (platform::replaceableFile(path)) break;
            [[fallthrough]];
        case platform::FileKind::kUnknown: return fileInTheWayText(path);
        }
    }
    return "";
}

int64_t largestFileIn(const std::string& folder, std::string* fileSystem) {
    const std::string name = platform::fileSystemOf(folder);
    if (fileSystem) *fileSystem = name;
    return largestFileOn(name);
}

}  // namespace split
