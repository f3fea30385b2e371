// Interface of cleavo.dll: the piece copier and the big-file size query.
// Both functions use the stdcall convention and are exported undecorated.
#pragma once

// Signatures for binding the functions by name with GetProcAddress.
typedef unsigned char(__stdcall* SplitFn)(const char*, const char*, double, double, int, int);
typedef unsigned char(__stdcall* BigFileSizeFn)(const char*, char*);

// A caller that binds the functions by name defines CLEAVO_BIND_BY_NAME and
// gets the signatures alone, without prototypes to link against.
#ifndef CLEAVO_BIND_BY_NAME
#ifdef __cplusplus
extern "C" {
#endif

// Copies bytes [firstByte, lastByte) of the run's input into piecePath.
// pieceNo 1 opens inPath; the input stays open until pieceNo == pieceCount.
// Returns 1 on success, 0 after showing a message box about the failure.
unsigned char __stdcall split(const char* inPath, const char* piecePath,
                              double firstByte, double lastByte,
                              int pieceNo, int pieceCount);

// Writes the size of inPath, right-aligned in 19 characters, into the
// caller's 20-byte buffer. Returns 1, or 0 after a message box when the
// file cannot be queried.
unsigned char __stdcall BigFileSize(const char* inPath, char* sizeText);

#ifdef __cplusplus
}
#endif
#endif  // CLEAVO_BIND_BY_NAME
