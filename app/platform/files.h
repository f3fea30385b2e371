// File-system operations of the program.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// While one lives, a drive without its disk fails quietly instead of asking
// the user to insert one.
class QuietDriveErrors {
public:
    QuietDriveErrors();
    ~QuietDriveErrors();
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

private:
    unsigned old_;
};

// The folder with a "\" at its end unless it already has one.
std::string withBackslash(const std::string& folder);
// folder, a "\" unless it already ends in one, then name.
std::string joinFolder(const std::string& folder, const std::string& name);

// True when a directory search for the path finds an ordinary file (not a
// folder; hidden and system files count as absent).
bool ordinaryFileExists(const std::string& path);
// True when a directory search finds anything at the path, folders included.
bool anythingExists(const std::string& path);

// Who a file is, whatever path reaches it: drive letters, mapped and UNC
// paths, short names, links and letter case all lead to one identity.
struct FileIdentity {
    unsigned long volume = 0;
    unsigned long indexHigh = 0;
    unsigned long indexLow = 0;
    bool operator==(const FileIdentity& o) const {
        return volume == o.volume && indexHigh == o.indexHigh && indexLow == o.indexLow;
    }
};
// False when nothing can be opened at the path to ask (a missing file among them).
bool identifyFile(const std::string& path, FileIdentity& identity);

// A file's length and last-write time, to tell later whether it changed.
struct FileStamp {
    uint64_t length = 0;
    uint64_t lastWrite = 0;  // FILETIME ticks
    bool operator==(const FileStamp& o) const { return length == o.length && lastWrite == o.lastWrite; }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};
// False when the file cannot be queried; paths past the classic 260
// characters are read too.
bool stampFile(const std::string& path, FileStamp& stamp);

// The name of the file system ("NTFS", "FAT32", ...) of the volume that holds
// a path; empty when the system cannot tell.
std::string fileSystemOf(const std::string& path);

// True when the file can be opened for reading while keeping others from
// writing it, as the library holds its input through a run.
bool openableDenyingWrites(const std::string& path);

// A file held open for reading while others may read it but not write it,
// from its making until it goes.
class HeldFile {
public:
    explicit HeldFile(const std::string& path);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool held() const;

private:
    void* handle_;
};

// Deletes a file; failures are the caller's to ignore.
bool deleteFileQuietly(const std::string& path);

// Has the system write what it still holds of a file to its disk: a
// removable drive with write caching keeps it in memory after it is closed,
// and is pulled out when the user is told the file is there. False when the
// file cannot be opened for it or the disk does not take it.
bool flushToDisk(const std::string& path);
// Tests see each path given to flushToDisk before it is flushed; an empty
// function stops it.
void watchFlushes(std::function<void(const std::string&)> watcher);

// Removes the name of a file (a link's own name, never what it leads to);
// kGone also when nothing was there. kStillTaken: removed, but the name stays
// until a program that holds the file open (allowing its deletion) lets go.
enum class Removal { kGone, kReadOnly, kInUse, kDenied, kStillTaken };
Removal removeName(const std::string& path);
// Whether removeName would remove it now, asked without changing anything.
Removal removable(const std::string& path);

// Clears read-only, hidden, system and archive marks; a run-time error on failure.
void setNormalAttributes(const std::string& path);

// A file open for writing, replacing any file of that name, in separate
// steps so that a caller can tell creating from writing. Closed when it goes.
// A file already there is removed and a new one created: one truncated in
// place would be written through a hard or symbolic link into a file elsewhere.
class OutputFile {
public:
    // A run-time error when the file cannot be created.
    explicit OutputFile(const std::string& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Run-time errors when the bytes do not all go (a full disk among them).
    void write(const std::string& bytes);
    void close();

private:
    void* handle_;
};

// Writes bytes as the whole content of a file, replacing it; run-time errors
// for a file that cannot be created or written (a full disk among them).
void writeWholeFile(const std::string& path, const std::string& bytes);

// Reads bytes [first, last) of a file in chunks of up to a mebibyte, handing
// each to use(bytes, size); run-time errors when the file cannot be opened
// or holds fewer bytes. Others may hold the file open for reading meanwhile.
void readRange(const std::string& path, int64_t first, int64_t last,
               const std::function<void(const char*, size_t)>& use);

// The whole content of a disk file of at most `largest` bytes; empty for
// anything else (missing, larger, a device) or when it cannot be read.
// Others may hold the file open meanwhile.
std::string readSmallFile(const std::string& path, uint64_t largest);

// Reads the lines of a text file (each ended by CR LF; a last line without
// one counts too); a run-time error 53 when the file is missing.
std::vector<std::string> readTextLines(const std::string& path);

// Creates a folder; a run-time error 75 when that fails.
void createFolder(const std::string& path);

// --- folders and drives, as the browsing lists show them --------------------

// Normalises a folder path the way the folder list reports it: a full path,
// a drive root with its backslash, any other folder without one; the drive
// letter in upper case. A run-time error 76 when there is no full path.
std::string normaliseFolder(const std::string& path);
bool folderExists(const std::string& path);
// The full path with the long name of every part that exists ("C:\PROGRA~1\x"
// -> "C:\Program Files\x"), as the lists show it; a run-time error 76 when
// there is no full path.
std::string fullLongPath(const std::string& path);
// True when a new file can be made in the folder. Tried for real, by making
// one that goes when it is closed: neither marks nor rights tell for sure (a
// read-only drive, a folder of another user's, a network share's own rules).
bool folderWritable(const std::string& folder);

// True when the drive exists and answers (a disk in it, a share reachable),
// asked without the system's "insert a disk" box.
bool driveReady(char letter);
// The lower-case drive letter of "c:", "C:\..." or "c: [LABEL]"; a run-time
// error 68 for a text that names no drive.
char driveLetterOf(const std::string& text);

// True for a name that listFolder() could give only with "?" (or, in UTF-8,
// U+FFFD for a lone surrogate) for characters the program's code page has no
// form of: no file can be reached by it.
bool nameWithoutForm(const std::string& name);

// The names of a folder's ordinary files or of its subfolders (hidden and
// system entries left out), sorted as the lists show them; a run-time error
// when the folder cannot be read, also part-way: a listing cut short would
// hide what is there.
std::vector<std::string> listFolder(const std::string& folder, bool folders);

}  // namespace platform
