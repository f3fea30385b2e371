#include "split/output_names.h"

#include "platform/file_kind.h"
#include "platform/files.h"
#include "platform/numbers.h"

namespace split {

std::string nameInTheWay(const std::string& folder, const std::vector<std::string>& names) {
    const std::string choose = "\r\nChoose another output folder, or move or rename what is in the way.";
    for (const std::string& name : names) {
        const std::string path = platform::joinFolder(folder, name);
        switch (platform::fileKindAt(path)) {
        case platform::FileKind::kNothing: break;
        case platform::FileKind::kFolder:
            return "The folder " + path + " is in the way: this split must write a file of that name there." + choose;
        case platform::FileKind::kDevice:
            return "Windows takes " + path + " for a device, not a file: what this split wrote there would be lost." +
                   choose;
        case platform::FileKind::kDiskFile:
            if (platform::replaceableFile(path)) break;
            [[fallthrough]];
        case platform::FileKind::kUnknown:
            return "The file " + path +
                   " is in the way: this split must replace it, but it cannot be written (it is read-only, hidden, "
                   "a system file or in use)." + choose;
        }
    }
    return "";
}

}  // namespace split
