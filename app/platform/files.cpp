#include "platform/files.h"

#include <windows.h>

#include "platform/runtime_error.h"

namespace platform {

namespace {
struct QuietErrors {
    UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    ~QuietErrors() { SetErrorMode(old); }
};

bool find(const std::string& path, WIN32_FIND_DATAA& fd) {
    QuietErrors quiet;
    HANDLE h = FindFirstFileA(path.c_str(), &fd);
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
    WIN32_FIND_DATAA fd;
    if (!find(path, fd)) return false;
    return !(fd.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

bool anythingExists(const std::string& path) {
    WIN32_FIND_DATAA fd;
    return find(path, fd);
}

uint64_t fileLength(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    QuietErrors quiet;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        throw RuntimeError(kFileNotFound);
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool deleteFileQuietly(const std::string& path) {
    QuietErrors quiet;
    return DeleteFileA(path.c_str()) != 0;
}

void setNormalAttributes(const std::string& path) {
    QuietErrors quiet;
    if (!SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL)) throw RuntimeError::fromWin32(GetLastError());
}

OutputFile::OutputFile(const std::string& path) {
    QuietErrors quiet;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw RuntimeError::fromWin32(GetLastError());
    handle_ = h;
}

OutputFile::~OutputFile() {
    if (handle_) CloseHandle(handle_);
}

void OutputFile::write(const std::string& bytes) {
    QuietErrors quiet;
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

std::vector<std::string> readTextLines(const std::string& path) {
    QuietErrors quiet;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
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
    QuietErrors quiet;
    if (!CreateDirectoryA(path.c_str(), nullptr)) throw RuntimeError(kPathFileAccess);
}

}  // namespace platform
