#include "split/split_outputs.h"

#include <windows.h>

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
const DWORD kLargestRecord = 1 << 20;

std::string readSmallFile(const std::string& path) {
    platform::QuietDriveErrors quiet;
    HANDLE h = CreateFileW(platform::wideFromAnsi(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "";
    std::string bytes;
    LARGE_INTEGER size;
    if (GetFileType(h) == FILE_TYPE_DISK && GetFileSizeEx(h, &size) && size.QuadPart <= kLargestRecord) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        if (!bytes.empty() && !ReadFile(h, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr)) got = 0;
        bytes.resize(got);
    }
    CloseHandle(h);
    return bytes;
}

bool endsWith(const std::wstring& name, const std::wstring& tail) {
    return name.size() > tail.size() && platform::sameFileName(name.substr(name.size() - tail.size()), tail);
}

}  // namespace

bool SplitOutputs::readRecord(const std::string& folder, const std::string& name, SplitRecord& record) {
    const std::wstring wide = platform::wideFromAnsi(name);
    const bool batch = endsWith(wide, L".bat"), joiner = endsWith(wide, L".sh"), checksums = endsWith(wide, L".sha256");
    if (!batch && !joiner && !checksums) return false;
    const std::string bytes = readSmallFile(platform::joinFolder(folder, name));
    if (batch) return readBatchRecord(bytes, wide.substr(0, wide.size() - 4), record);
    return joiner ? readJoinerRecord(bytes, record) : readChecksumRecord(bytes, record);
}

}  // namespace split
