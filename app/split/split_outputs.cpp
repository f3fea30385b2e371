#include "split/split_outputs.h"

#include <cstdint>

#include "platform/ansi_text.h"
#include "platform/files.h"
#include "split/batch.h"
#include "split/kit.h"

namespace split {

SplitOutputs::SplitOutputs(const std::string& folder, const std::string& inFileName)
    : folder_(folder),
      target_(inFileName),
      pieceStem_(split::pieceStem(inFileName)),
      batchStem_(split::batchStem(inFileName)),
      extension_(split::extension(inFileName)) {}

std::string SplitOutputs::path(const std::string& name) const { return platform::joinFolder(folder_, name); }

std::vector<std::string> SplitOutputs::names(int firstPiece, int lastPiece) const {
    std::vector<std::string> all;
    for (int n = firstPiece; n <= lastPiece; ++n) all.push_back(pieceName(n));
    for (const std::string& record : records()) all.push_back(record);
    return all;
}

bool SplitOutputs::batchText(int pieceCount, std::string& oemText) const {
    return batchFileText(pieceStem_, batchStem_, extension_, pieceCount, oemText);
}

std::string SplitOutputs::joinerText(const KitContents& kit) const { return joinerScript(kit); }

std::string SplitOutputs::checksumText(const KitContents& kit) const { return split::checksumText(kit); }

namespace {

// Records are small; a bigger file of such a name is none of ours.
const uint64_t kLargestRecord = 1 << 20;

bool endsWith(const std::wstring& name, const std::wstring& tail) {
    return name.size() > tail.size() && platform::sameFileName(name.substr(name.size() - tail.size()), tail);
}

}  // namespace

bool SplitOutputs::readRecord(const std::string& folder, const std::string& name, SplitRecord& record) {
    const std::wstring wide = platform::wideFromAnsi(name);
    const bool batch = endsWith(wide, L".bat"), joiner = endsWith(wide, L".sh"), checksums = endsWith(wide, L".sha256");
    if (!batch && !joiner && !checksums) return false;
    const std::string bytes = platform::readSmallFile(platform::joinFolder(folder, name), kLargestRecord);
    if (batch) return readBatchRecord(bytes, wide.substr(0, wide.size() - 4), record);
    return joiner ? readJoinerRecord(bytes, record) : readChecksumRecord(bytes, record);
}

}  // namespace split
