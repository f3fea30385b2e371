// Every file one split writes: the pieces, the batch file, the joiner script
// and the checksum file. Their names, their texts and how each is told as
// this program's own are asked of this one type.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "split/names.h"

namespace split {

struct KitContents;

// A split as one of its record files tells it (batch file, joiner, checksum
// file): the file it rebuilds and the pieces it names, as wide names.
struct SplitRecord {
    std::wstring owner;
    std::vector<std::wstring> pieces;
};

// The files besides the pieces that each split writes, in the order written.
// A new one is a new row in split_outputs.cpp: its name, its description,
// its writer and its reader.
enum class RecordKind { kBatch, kJoiner, kChecksums };

class SplitOutputs {
public:
    SplitOutputs() = default;
    // A run-time error 5 for a name too short to name its pieces.
    SplitOutputs(const std::string& folder, const std::string& inFileName);

    const std::string& folder() const { return folder_; }
    // The input's name: what the batch file and the joiner rebuild.
    const std::string& target() const { return target_; }
    const std::string& pieceStem() const { return pieceStem_; }
    const std::string& batchStem() const { return batchStem_; }
    const std::string& extension() const { return extension_; }

    std::string pieceName(int n) const { return split::pieceName(pieceStem_, n); }
    std::string recordName(RecordKind kind) const;
    std::string batchName() const { return recordName(RecordKind::kBatch); }
    std::string joinerName() const { return recordName(RecordKind::kJoiner); }
    std::string checksumName() const { return recordName(RecordKind::kChecksums); }
    // What the record is to a user: "batch file", "joiner script", ...
    static const char* describe(RecordKind kind);
    // The kind of record a file of this name would be, by how the name ends,
    // and the name less that ending; false for a name no record has.
    static bool recordKindOf(const std::wstring& name, RecordKind& kind, std::wstring& named);
    // Whether a record's name begins with the input's whole name (else its batch stem).
    static bool namedByTarget(RecordKind kind);
    // Every record kind, in the order they are written.
    static const std::vector<RecordKind>& recordKinds();
    // The folder and a name.
    std::string path(const std::string& name) const;
    std::string piecePath(int n) const { return path(pieceName(n)); }

    // Pieces first to last, then the batch file, joiner and checksum file.
    std::vector<std::string> names(int firstPiece, int lastPiece) const;
    std::vector<std::string> records() const;

    // A record's text for the kit's contents (its pieces as named there);
    // false, with no text, where the record cannot name the files (a batch
    // file, where a name has no form in the interpreter's code page).
    bool recordText(RecordKind kind, const KitContents& kit, std::string& text) const;
    // The steps the error report names for creating and writing it.
    struct Steps {
        long create, write;
    };
    static Steps recordSteps(RecordKind kind);
    // The bytes the records of a split into pieceCount pieces take, counted
    // from their texts (every hash is as long as any other).
    int64_t recordsLength(int pieceCount, int64_t pieceSize, int64_t fileSize) const;

    // Reads the file `name` in `folder` as one of this program's records
    // (the kind its name ends like); false when it is none.
    static bool readRecord(const std::string& folder, const std::string& name, SplitRecord& record);

private:
    std::string folder_, target_, pieceStem_, batchStem_, extension_;
};

}  // namespace split
