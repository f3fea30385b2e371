#include "split/output_names.h"

#include "platform/file_kind.h"
#include "platform/files.h"
#include "split/messages.h"

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

}  // namespace split
