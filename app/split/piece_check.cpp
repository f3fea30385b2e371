#include "split/piece_check.h"

#include "platform/file_kind.h"
#include "platform/numbers.h"

namespace split {

PieceWatch::PieceWatch(const std::string& path) : path_(path) { existed_ = platform::stampFile(path, before_); }

void PieceWatch::dropUnfinished() const {
    platform::FileStamp now;
    if (!platform::stampFile(path_, now) || (existed_ && now == before_)) return;
    if (platform::fileKindAt(path_) == platform::FileKind::kDiskFile) platform::deleteFileQuietly(path_);
}

std::string PieceWatch::notWhole(uint64_t length) const {
    const std::string stopped = "\r\nThe split has stopped: no batch file was written.";
    uint64_t written = 0;
    if (!platform::diskFileLength(path_, written))
        return "The piece " + path_ + " did not reach the disk: Windows sent it somewhere else (a device)." + stopped;
    if (written == length) return "";
    platform::deleteFileQuietly(path_);
    return "The piece " + path_ + " came out " + platform::groupDigits(static_cast<int64_t>(written)) +
           " bytes long instead of " + platform::groupDigits(static_cast<int64_t>(length)) +
           ", so it was deleted." + stopped;
}

uint64_t pieceLength(int64_t start, int64_t end, int64_t fileSize) {
    if (end > fileSize) end = fileSize;
    return end > start ? static_cast<uint64_t>(end - start) : 0;
}

}  // namespace split
