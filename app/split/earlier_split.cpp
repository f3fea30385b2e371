#include "split/earlier_split.h"

#include <windows.h>

#include "platform/ansi_text.h"
#include "platform/files.h"
#include "platform/runtime_error.h"
#include "split/batch.h"

namespace split {

namespace {

// A split as its batch file or checksum file tells it: the file it rebuilds
// and the files that belong to it.
struct EarlierSplit {
    std::wstring owner;
    std::vector<std::wstring> files;
};

// Batch and checksum files are small; a bigger file of such a name is none of ours.
const DWORD kLargestRecord = 1 << 20;

std::string readSmallFile(const std::string& path) {
    platform::QuietDriveErrors quiet;
    HANDLE h = CreateFileW(platform::wideFromAnsi(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
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

std::vector<std::wstring> linesOf(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool endsWith(const std::wstring& name, const std::wstring& tail) {
    return name.size() > tail.size() && platform::sameFileName(name.substr(name.size() - tail.size()), tail);
}

// copy "a.S01" /b  + "a.S02" /b "a.avi", and the lines that append to the
// target when one line would be too long: copy "a.avi" /b  + "a.S10" /b "a.avi".
// The names are in the OEM code page with each "%" doubled, or name the
// batch file itself ("%~n0").
bool readBatchFile(const std::string& bytes, const std::wstring& ownStem, EarlierSplit& split) {
    for (const std::wstring& written : linesOf(platform::wideFrom(bytes, platform::systemOemCodePage()))) {
        const std::wstring line = expandBatchLine(written, ownStem);
        size_t first = line.find_first_not_of(L" \t");
        if (first == std::wstring::npos || !platform::sameFileName(line.substr(first, 5), L"copy ")) continue;
        if (line.find(L"/b") == std::wstring::npos && line.find(L"/B") == std::wstring::npos) continue;
        std::vector<std::wstring> quoted;
        for (size_t open = line.find(L'"'); open != std::wstring::npos; open = line.find(L'"', open)) {
            size_t close = line.find(L'"', open + 1);
            if (close == std::wstring::npos) break;
            quoted.push_back(line.substr(open + 1, close - open - 1));
            open = close + 1;
        }
        if (quoted.size() < 2) continue;
        split.owner = quoted.back();
        for (size_t i = 0; i + 1 < quoted.size(); ++i)
            if (!platform::sameFileName(quoted[i], split.owner)) split.files.push_back(quoted[i]);
    }
    return !split.owner.empty();
}

// "<64 hex>  <name>" per line (or " *<name>"), UTF-8; the last line names the whole file.
bool readChecksumFile(const std::string& bytes, EarlierSplit& split) {
    std::wstring text = platform::wideFrom(bytes, CP_UTF8);
    if (!text.empty() && text[0] == 0xFEFF) text.erase(0, 1);
    std::vector<std::wstring> named;
    for (const std::wstring& line : linesOf(text)) {
        if (line.size() < 67 || line.find_first_not_of(L"0123456789abcdefABCDEF") != 64 || line[64] != L' ' ||
            (line[65] != L' ' && line[65] != L'*'))
            continue;
        named.push_back(line.substr(66));
    }
    if (named.empty()) return false;
    split.owner = named.back();
    split.files.assign(named.begin(), named.end() - 1);
    return true;
}

}  // namespace

std::string otherSplitOwner(const std::string& folder, const std::vector<std::string>& names,
                            const std::string& inFileName) {
    std::vector<std::wstring> ours;
    for (const std::string& name : names) ours.push_back(platform::wideFromAnsi(name));
    const std::wstring input = platform::wideFromAnsi(inFileName);
    std::vector<std::string> listed;
    try {
        listed = platform::listFolder(folder, false);
    } catch (const platform::RuntimeError&) {
        return "";  // a folder that cannot be read holds no split to protect
    }
    for (const std::string& file : listed) {
        const std::wstring name = platform::wideFromAnsi(file);
        const bool batch = endsWith(name, L".bat"), checksum = endsWith(name, L".sha256");
        if (!batch && !checksum) continue;
        EarlierSplit split;
        const std::string bytes = readSmallFile(platform::joinFolder(folder, file));
        if (!(batch ? readBatchFile(bytes, name.substr(0, name.size() - 4), split) : readChecksumFile(bytes, split)))
            continue;
        if (platform::sameFileName(split.owner, input)) continue;
        split.files.push_back(name);
        for (const std::wstring& mine : ours)
            for (const std::wstring& theirs : split.files)
                if (platform::sameFileName(mine, theirs)) return platform::ansiFrom(split.owner);
    }
    return "";
}

}  // namespace split
