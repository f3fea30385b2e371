#include "platform/files.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "platform/ansi_text.h"
#include "platform/runtime_error.h"

namespace platform {

QuietDriveErrors::QuietDriveErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
QuietDriveErrors::~QuietDriveErrors() { SetErrorMode(old_); }

namespace {

// The path as the system's wide, long-path form: "\\?\C:\..." or
// "\\?\UNC\server\share\..." for full paths, unchanged otherwise.
std::wstring longPath(const std::string& path) {
    std::wstring w = wideFromAnsi(path);
    w.resize(wcslen(w.c_str()));
    for (wchar_t& c : w)
        if (c == L'/') c = L'\\';
    if (w.size() >= 3 && w[1] == L':' && w[2] == L'\\') return L"\\\\?\\" + w;
    if (w.size() >= 3 && w.compare(0, 2, L"\\\\") == 0 && w[2] != L'?' && w[2] != L'.')
        return L"\\\\?\\UNC\\" + w.substr(2);
    return w;
}

uint64_t ticks(const FILETIME& t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; }

bool find(const std::string& path, WIN32_FIND_DATAW& fd) {
    QuietDriveErrors quiet;
    HANDLE h = FindFirstFileW(longPath(path).c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return true;
}
}  // namespace

std::string withBackslash(const std::string& folder) {
    return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

std::string joinFolder(const std::string& folder, const std::string& name) { return withBackslash(folder) + name; }

bool ordinaryFileExists(const std::string& path) {
    WIN32_FIND_DATAW fd;
    if (!find(path, fd)) return false;
    return !(fd.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

bool anythingExists(const std::string& path) {
    WIN32_FIND_DATAW fd;
    return find(path, fd);
}

bool stampFile(const std::string& path, FileStamp& stamp) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    QuietDriveErrors quiet;
    if (!GetFileAttributesExW(longPath(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    stamp.length = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.lastWrite = ticks(data.ftLastWriteTime);
    return true;
}

bool identifyFile(const std::string& path, FileIdentity& identity) {
    QuietDriveErrors quiet;
    // No access asked for, so that a file others hold locked can be identified too.
    HANDLE h = CreateFileW(longPath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info;
    bool ok = GetFileInformationByHandle(h, &info) != 0;
    CloseHandle(h);
    if (!ok) return false;
    identity.volume = info.dwVolumeSerialNumber;
    identity.indexHigh = info.nFileIndexHigh;
    identity.indexLow = info.nFileIndexLow;
    return true;
}

std::string fileSystemOf(const std::string& path) {
    QuietDriveErrors quiet;
    const std::wstring wide = wideFromAnsi(path);
    std::vector<wchar_t> root(wide.size() + 2);
    if (!GetVolumePathNameW(wide.c_str(), root.data(), static_cast<DWORD>(root.size()))) return "";
    wchar_t name[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(root.data(), nullptr, 0, nullptr, nullptr, nullptr, name, MAX_PATH)) return "";
    return ansiFrom(name);
}

bool openableDenyingWrites(const std::string& path) {
    QuietDriveErrors quiet;
    HANDLE h = CreateFileW(longPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

HeldFile::HeldFile(const std::string& path) {
    QuietDriveErrors quiet;
    // Renaming or deleting it stays allowed: what is held is read all the same.
    handle_ = CreateFileW(longPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, 0, nullptr);
}

HeldFile::~HeldFile() {
    if (held()) CloseHandle(handle_);
}

bool HeldFile::held() const { return handle_ != INVALID_HANDLE_VALUE; }

bool deleteFileQuietly(const std::string& path) {
    QuietDriveErrors quiet;
    return DeleteFileW(longPath(path).c_str()) != 0;
}

namespace {
std::function<void(const std::string&)>& flushWatcher() {
    static std::function<void(const std::string&)> watcher;
    return watcher;
}
}  // namespace

void watchFlushes(std::function<void(const std::string&)> watcher) { flushWatcher() = std::move(watcher); }

bool flushToDisk(const std::string& path) {
    if (flushWatcher()) flushWatcher()(path);
    QuietDriveErrors quiet;
    // Any handle that may write flushes what the system holds of the file.
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE h = CreateFileW(longPath(path).c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const bool flushed = FlushFileBuffers(h) != 0;
    return CloseHandle(h) && flushed;
}

Removal removeName(const std::string& path) {
    QuietDriveErrors quiet;
    const std::wstring wide = longPath(path);
    if (DeleteFileW(wide.c_str())) {
        // A file others hold open is deleted when the last of them lets go;
        // until then its name answers (or, on older systems, is denied).
        if (GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES) return Removal::kStillTaken;
        const DWORD gone = GetLastError();
        return gone == ERROR_FILE_NOT_FOUND || gone == ERROR_PATH_NOT_FOUND ? Removal::kGone : Removal::kStillTaken;
    }
    const DWORD err = GetLastError();
    if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND) return Removal::kGone;
    if (err == ERROR_SHARING_VIOLATION || err == ERROR_LOCK_VIOLATION) return Removal::kInUse;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return Removal::kReadOnly;
    return Removal::kDenied;
}

Removal removable(const std::string& path) {
    QuietDriveErrors quiet;
    const std::wstring wide = longPath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Removal::kGone;
    if (attributes & FILE_ATTRIBUTE_READONLY) return Removal::kReadOnly;
    HANDLE h = CreateFileW(wide.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return Removal::kGone;
    }
    const DWORD err = GetLastError();
    return err == ERROR_SHARING_VIOLATION || err == ERROR_LOCK_VIOLATION ? Removal::kInUse : Removal::kDenied;
}

void setNormalAttributes(const std::string& path) {
    QuietDriveErrors quiet;
    if (!SetFileAttributesW(longPath(path).c_str(), FILE_ATTRIBUTE_NORMAL)) throw RuntimeError::fromWin32(GetLastError());
}

OutputFile::OutputFile(const std::string& path) {
    QuietDriveErrors quiet;
    const std::wstring wide = longPath(path);
    if (!DeleteFileW(wide.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        throw RuntimeError::fromWin32(GetLastError());
    HANDLE h = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw RuntimeError::fromWin32(GetLastError());
    handle_ = h;
}

OutputFile::~OutputFile() {
    if (handle_) CloseHandle(handle_);
}

void OutputFile::write(const std::string& bytes) {
    QuietDriveErrors quiet;
    DWORD done = 0;
    if (!WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr))
        throw RuntimeError::fromWin32(GetLastError());
    if (done != bytes.size()) throw RuntimeError(kDiskFull);
}

void OutputFile::close() {
    HANDLE h = handle_;
    handle_ = nullptr;
    if (h && !CloseHandle(h)) throw RuntimeError(kDeviceIo);
}

void writeWholeFile(const std::string& path, const std::string& bytes) {
    OutputFile file(path);
    file.write(bytes);
    file.close();
}

void readRange(const std::string& path, int64_t first, int64_t last,
               const std::function<void(const char*, size_t)>& use) {
    QuietDriveErrors quiet;
    HANDLE h = CreateFileW(longPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw RuntimeError::fromWin32(GetLastError());
    struct Closer {
        HANDLE h;
        ~Closer() { CloseHandle(h); }
    } closer{h};
    LARGE_INTEGER at;
    at.QuadPart = first;
    if (!SetFilePointerEx(h, at, nullptr, FILE_BEGIN)) throw RuntimeError::fromWin32(GetLastError());
    std::vector<char> buffer(1 << 20);
    for (int64_t left = last - first; left > 0;) {
        DWORD want = static_cast<DWORD>(left < static_cast<int64_t>(buffer.size()) ? left : buffer.size());
        DWORD got = 0;
        if (!ReadFile(h, buffer.data(), want, &got, nullptr)) throw RuntimeError::fromWin32(GetLastError());
        if (got == 0) throw RuntimeError(kInputPastEnd);
        use(buffer.data(), got);
        left -= got;
    }
}

std::string readSmallFile(const std::string& path, uint64_t largest) {
    QuietDriveErrors quiet;
    HANDLE h = CreateFileW(longPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "";
    std::string bytes;
    LARGE_INTEGER size;
    if (GetFileType(h) == FILE_TYPE_DISK && GetFileSizeEx(h, &size) &&
        static_cast<uint64_t>(size.QuadPart) <= largest) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        if (!bytes.empty() && !ReadFile(h, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr)) got = 0;
        bytes.resize(got);
    }
    CloseHandle(h);
    return bytes;
}

std::vector<std::string> readTextLines(const std::string& path) {
    QuietDriveErrors quiet;
    HANDLE h = CreateFileW(longPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw RuntimeError(kFileNotFound);
    std::string all;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) all.append(buf, got);
    CloseHandle(h);
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < all.size()) {
        size_t end = all.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(all.substr(pos));
            break;
        }
        lines.push_back(all.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

void createFolder(const std::string& path) {
    QuietDriveErrors quiet;
    if (!CreateDirectoryW(longPath(path).c_str(), nullptr)) throw RuntimeError(kPathFileAccess);
}

// --- folders and drives -----------------------------------------------------

namespace {
std::string fullPath(const std::string& path) {
    const std::wstring wide = wideFromAnsi(path);
    std::vector<wchar_t> buf(wide.size() + MAX_PATH);
    for (;;) {
        DWORD n = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(buf.size()), buf.data(), nullptr);
        if (n == 0) throw RuntimeError(kPathNotFound);
        if (n < buf.size()) return ansiFrom(std::wstring(buf.data(), n));
        buf.resize(n + 1);
    }
}

bool lessNoCase(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; }
}  // namespace

std::string normaliseFolder(const std::string& path) {
    std::string p = fullPath(path);
    while (p.size() > 3 && (p.back() == '\\' || p.back() == '/')) p.pop_back();
    if (p.size() == 2 && p[1] == ':') p += '\\';
    if (p.size() >= 2 && p[1] == ':') p[0] = static_cast<char>(toupper(static_cast<unsigned char>(p[0])));
    return p;
}

bool folderExists(const std::string& path) {
    QuietDriveErrors quiet;
    DWORD a = GetFileAttributesW(longPath(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string fullLongPath(const std::string& path) {
    const std::wstring full = wideFromAnsi(fullPath(path));
    std::vector<wchar_t> buf(full.size() + MAX_PATH);
    DWORD n = GetLongPathNameW(full.c_str(), buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0 || n >= buf.size()) return ansiFrom(full);  // the system cannot tell: as given
    return ansiFrom(std::wstring(buf.data(), n));
}

bool folderWritable(const std::string& folder) {
    const std::string probe = joinFolder(folder, "~cleavo-" + std::to_string(GetCurrentProcessId()) + ".tmp");
    QuietDriveErrors quiet;
    HANDLE h = CreateFileW(longPath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

bool driveReady(char letter) {
    char root[] = {letter, ':', '\\', 0};
    UINT type = GetDriveTypeA(root);
    if (type == DRIVE_NO_ROOT_DIR || type == DRIVE_UNKNOWN) return false;
    QuietDriveErrors quiet;
    return GetFileAttributesA(root) != INVALID_FILE_ATTRIBUTES;
}

char driveLetterOf(const std::string& text) {
    if (text.size() < 2 || text[1] != ':' || !isalpha(static_cast<unsigned char>(text[0])))
        throw RuntimeError(kDeviceUnavailable);
    return static_cast<char>(tolower(static_cast<unsigned char>(text[0])));
}

bool nameWithoutForm(const std::string& name) {
    return name.find('?') != std::string::npos || wideFromAnsi(name).find(L'\xFFFD') != std::wstring::npos;
}

std::vector<std::string> listFolder(const std::string& folder, bool folders) {
    std::vector<std::string> names;
    std::string pattern = folder + (folder.back() == '\\' ? "*" : "\\*");
    WIN32_FIND_DATAW fd;
    HANDLE h;
    DWORD err;
    {
        QuietDriveErrors quiet;
        h = FindFirstFileW(longPath(pattern).c_str(), &fd);
        err = GetLastError();
    }
    if (h == INVALID_HANDLE_VALUE) {
        if (err == ERROR_FILE_NOT_FOUND || err == ERROR_NO_MORE_FILES) return names;
        throw RuntimeError::fromWin32(err);
    }
    do {
        const std::wstring wide = fd.cFileName;
        if (wide == L"." || wide == L"..") continue;
        bool isFolder = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder != folders) continue;
        if (fd.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
        std::string name;
        // A name the program's code page cannot hold: a folder is entered by
        // its short name where the volume keeps one; a file is listed with
        // "?" for what has no form, which no real name holds, and refused
        // when it is chosen.
        if (!exactAnsiFrom(wide, name) && isFolder) {
            std::string shortName;
            if (fd.cAlternateFileName[0] && exactAnsiFrom(fd.cAlternateFileName, shortName)) name = shortName;
        }
        names.push_back(name);
    } while (FindNextFileW(h, &fd));
    err = GetLastError();
    FindClose(h);
    if (err != ERROR_NO_MORE_FILES) throw RuntimeError::fromWin32(err);
    std::sort(names.begin(), names.end(), lessNoCase);
    return names;
}

}  // namespace platform
