#include "split/piece_writer.h"

#include <algorithm>

#include "platform/files.h"
#include "split/job.h"
#include "split/library.h"
#include "split/messages.h"
#include "split/run.h"

namespace split {

bool writePiece(const SplitJob& job, const std::string& piecePath, int64_t first, int64_t last, int pieceNo,
                RunView& view) {
    const std::string name = piecePath.substr(piecePath.find_last_of('\\') + 1);
    // The last piece ends with the input, short of its planned end.
    const int64_t pieceBytes = std::min(last, job.fileSize) - first;
    bool copied = false;
    view.whileWindowAnswers(
        [&] { copied = copyPiece(job.inPath, piecePath, first, last, pieceNo, job.pieceCount); },
        [&] {
            // How far the piece has come is its length so far.
            platform::FileStamp now;
            if (pieceBytes <= 0 || !platform::stampFile(piecePath, now)) return;
            const int64_t written = std::min(static_cast<int64_t>(now.length), pieceBytes);
            view.showStatus(writingStatus(name, static_cast<int>(written * 100 / pieceBytes)));
            view.showRunProgress(first + written, job.fileSize);
        });
    return copied;
}

}  // namespace split
