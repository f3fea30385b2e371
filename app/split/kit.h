// The receiver's kit beside the batch file: a POSIX sh joiner, <batch stem>.sh,
// that checks and rejoins the pieces on Linux and macOS, and the checksums,
// <input name>.sha256, in sha256sum's format. Both in UTF-8 with LF line ends.
#pragma once
#include <string>
#include <vector>

#include "split/input_hashes.h"
#include "split/split_outputs.h"

namespace split {

// What the kit names and checks; names in the program's ANSI text.
struct KitContents {
    std::string target;                   // the input's name
    std::string joinerName;               // the joiner's own, for its "Run:" line
    std::vector<std::string> pieceNames;  // in order
    std::vector<PieceDigest> pieces;      // one per name
    std::string wholeHex;
};

// The kit of a split's outputs: its pieces, named in order, with their
// digests, and the whole file's hash.
KitContents kitOf(const SplitOutputs& outputs, std::vector<PieceDigest> pieces, std::string wholeHex);

// One "<64 hex digits>  <name>" line per piece, then one for the whole file.
std::string checksumText(const KitContents& kit);
// The joiner: checks every piece's presence, size and hash, naming each bad
// one, before it writes anything; refuses a folder or symbolic link at the
// rebuilt file's name; joins into a temporary file it creates new (mktemp, else
// noclobber); keeps the result only when its hash matches and says OK only
// when a regular file stands under the name.
std::string joinerScript(const KitContents& kit);
// The text in single quotes for sh, each "'" written '\''.
std::string shellQuoted(const std::string& text);

// Read back: the joiner's header names the file it rebuilds and its check
// lines the pieces; the checksum file's lines name the pieces and, last,
// the whole file. False for a file that is neither.
bool readJoinerRecord(const std::string& bytes, SplitRecord& record);
bool readChecksumRecord(const std::string& bytes, SplitRecord& record);

}  // namespace split
