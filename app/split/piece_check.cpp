#include "split/piece_check.h"

#include "platform/file_kind.h"
#include "split/messages.h"

namespace split {

PieceWatch::PieceWatch(const std::string& path) : path_(path) { existed_ = platform::stampFile(path, before_); }

void PieceWatch::dropUnfinished() const {
    platform::FileStamp now;
    if (!platform::stampFile(path_, now) || (existed_ && now == before_)) return;
    if (platform::fileKindAt(path_) == platform::FileKind::kDiskFile) platform::deleteFileQuietly(path_);
}

std::string PieceWatch::notWhole(uint64_t length) const {
    uint64_t written = 0;
    if (!platform::diskFileLength(path_, written)) return pieceNotOnDiskText(path_);
    if (written == length) return "";
    platform::deleteFileQuietly(path_);
    return pieceWrongLengthText(path_, written, length);
}

uint64_t pieceLength(int64_t start, int64_t end, int64_t fileSize) {
    if (end > fileSize) end = fileSize;
    return end > start ? static_cast<uint64_t>(end - start) : 0;
}

}  // namespace split
