// One piece written through the library off the window's thread, with its
// progress on the status line and the whole run's on the taskbar button.
#pragma once
#include <cstdint>
#include <string>

namespace split {

struct SplitJob;
class RunView;

// Copies bytes [first, last) of the input into piece pieceNo at piecePath
// as the library's split does, and returns its result; the window answers
// meanwhile. Run-time errors of the call (no library, say) come back here.
bool writePiece(const SplitJob& job, const std::string& piecePath, int64_t first, int64_t last, int pieceNo,
                RunView& view);

}  // namespace split
