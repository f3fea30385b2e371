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

namespace {

// The records, each once: how its name ends, whether the name starts with
// the batch stem or the whole input's name, what it is, how its text is
// written (and the steps of that) and how it is read back as this program's own.
struct RecordRow {
    RecordKind kind;
    const wchar_t* ending;
    bool namedByTarget;
    const char* description;
    bool (*write)(const SplitOutputs& outputs, const KitContents& kit, std::string& text);
    SplitOutputs::Steps steps;
    bool (*read)(const std::string& bytes, const std::wstring& ownStem, SplitRecord& record);
};

const RecordRow kRecords[] = {
    {RecordKind::kBatch, L".bat", false, "batch file",
     [](const SplitOutputs& out, const KitContents& kit, std::string& text) {
         return batchFileText(out.pieceStem(), out.batchStem(), out.extension(), out.checksumName(),
                              static_cast<int>(kit.pieceNames.size()), text);
     },
     {660, 710}, readBatchRecord},
    {RecordKind::kJoiner, L".sh", false, "joiner script",
     [](const SplitOutputs&, const KitContents& kit, std::string& text) {
         text = joinerScript(kit);
         return true;
     },
     {733, 733},
     [](const std::string& bytes, const std::wstring&, SplitRecord& record) {
         return readJoinerRecord(bytes, record);
     }},
    {RecordKind::kChecksums, L".sha256", true, "checksum file",
     [](const SplitOutputs&, const KitContents& kit, std::string& text) {
         text = checksumText(kit);
         return true;
     },
     {733, 733},
     [](const std::string& bytes, const std::wstring&, SplitRecord& record) {
         return readChecksumRecord(bytes, record);
     }},
};

const RecordRow& rowOf(RecordKind kind) { return kRecords[static_cast<int>(kind)]; }

}  // namespace

std::string SplitOutputs::path(const std::string& name) const { return platform::joinFolder(folder_, name); }

std::string SplitOutputs::recordName(RecordKind kind) const {
    const RecordRow& row = rowOf(kind);
    return (row.namedByTarget ? target_ : batchStem_) + platform::ansiFrom(row.ending);
}

const char* SplitOutputs::describe(RecordKind kind) { return rowOf(kind).description; }
bool SplitOutputs::namedByTarget(RecordKind kind) { return rowOf(kind).namedByTarget; }

const std::vector<RecordKind>& SplitOutputs::recordKinds() {
    static const std::vector<RecordKind> kinds = [] {
        std::vector<RecordKind> all;
        for (const RecordRow& row : kRecords) all.push_back(row.kind);
        return all;
    }();
    return kinds;
}

std::vector<std::string> SplitOutputs::records() const {
    std::vector<std::string> names;
    for (RecordKind kind : recordKinds()) names.push_back(recordName(kind));
    return names;
}

std::vector<std::string> SplitOutputs::names(int firstPiece, int lastPiece) const {
    std::vector<std::string> all;
    for (int n = firstPiece; n <= lastPiece; ++n) all.push_back(pieceName(n));
    for (const std::string& record : records()) all.push_back(record);
    return all;
}

bool SplitOutputs::recordText(RecordKind kind, const KitContents& kit, std::string& text) const {
    text.clear();
    return rowOf(kind).write(*this, kit, text);
}

SplitOutputs::Steps SplitOutputs::recordSteps(RecordKind kind) { return rowOf(kind).steps; }

int64_t SplitOutputs::recordsLength(int pieceCount, int64_t pieceSize, int64_t fileSize) const {
    const std::string anyHash(64, '0');
    std::vector<PieceDigest> pieces;
    int64_t left = fileSize;
    for (int n = 1; n <= pieceCount; ++n) {
        const int64_t size = left < pieceSize ? left : pieceSize;
        left -= size;
        pieces.push_back(PieceDigest{size, anyHash});
    }
    const KitContents kit = kitOf(*this, std::move(pieces), anyHash);
    int64_t bytes = 0;
    for (RecordKind kind : recordKinds()) {
        std::string text;
        if (recordText(kind, kit, text)) bytes += static_cast<int64_t>(text.size());
    }
    return bytes;
}

namespace {

// Records are small; a bigger file of such a name is none of ours.
const uint64_t kLargestRecord = 1 << 20;

bool endsWith(const std::wstring& name, const std::wstring& tail) {
    return name.size() > tail.size() && platform::sameFileName(name.substr(name.size() - tail.size()), tail);
}

}  // namespace

bool SplitOutputs::recordKindOf(const std::wstring& name, RecordKind& kind, std::wstring& named) {
    for (const RecordRow& row : kRecords) {
        const std::wstring ending = row.ending;
        if (!endsWith(name, ending)) continue;
        kind = row.kind;
        named = name.substr(0, name.size() - ending.size());
        return true;
    }
    return false;
}

bool SplitOutputs::readRecord(const std::string& folder, const std::string& name, SplitRecord& record) {
    RecordKind kind;
    std::wstring named;
    if (!recordKindOf(platform::wideFromAnsi(name), kind, named)) return false;
    const std::string bytes = platform::readSmallFile(platform::joinFolder(folder, name), kLargestRecord);
    return rowOf(kind).read(bytes, named, record);
}

}  // namespace split
