// The functions of cleavo.dll and kernel32 that the split calls, each bound
// by name at its first call.
#pragma once
#include <cstdint>
#include <string>

namespace split {

// split() of cleavo.dll: copies bytes [first, last) of inPath into piecePath.
bool copyPiece(const std::string& inPath, const std::string& piecePath, int64_t first, int64_t last, int pieceNo,
               int pieceCount);

// BigFileSize() of cleavo.dll into a 20-character text filled with blanks;
// false when the library could not query the file.
bool bigFileSize(const std::string& inPath, std::string& sizeText);

// Free bytes available to the user in a folder (on the volume that holds
// it); 0 when neither query can tell. Failures are passed over.
int64_t freeBytesIn(const std::string& folder);

}  // namespace split
