// Small helpers for the tests that run whole splits through the window.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/support/splitter_window.h"
#include "split/split_outputs.h"

namespace testing_support {

// The names of the ordinary files in a folder, sorted.
inline std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(fd.cFileName);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

// "stem.S07"
inline std::string pieceName(const std::string& stem, int n) {
    char digits[8];
    snprintf(digits, sizeof digits, "%02d", n);
    return stem + ".S" + digits;
}

// 4194304 -> "4,194,304", written out here so that the expected texts do not
// come from the program's own formatting.
inline std::string grouped(int64_t n) {
    std::string digits = std::to_string(n < 0 ? -n : n);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return n < 0 ? "-" + out : out;
}

// The files a split of `name` leaves: those given, with each record its
// split writes (as SplitOutputs lists them), sorted as filesIn() sorts.
inline std::vector<std::string> withKit(std::vector<std::string> files, const std::string& name) {
    for (const std::string& record : split::SplitOutputs("C:\\", name).records())
        if (std::find(files.begin(), files.end(), record) == files.end()) files.push_back(record);
    std::sort(files.begin(), files.end());
    return files;
}

// How the question before replacing another file's split ends.
const char* const kWholeSplitGoes =
    "\r\nEach split replaced goes whole, its batch file, joiner script and checksum file with it, so that none of "
    "them rebuilds a wrong file.";

// The boxes shown since `from`.
inline std::vector<ShownBox> boxesSince(const SplitterWindow& win, size_t from) {
    return std::vector<ShownBox>(win.boxes.shown.begin() + static_cast<long>(from), win.boxes.shown.end());
}

inline bool anyBoxSays(const std::vector<ShownBox>& boxes, const std::string& part) {
    for (const ShownBox& b : boxes)
        if (b.text.find(part) != std::string::npos) return true;
    return false;
}

}  // namespace testing_support
