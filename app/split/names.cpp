#include "split/names.h"

#include <windows.h>

#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"

namespace split {

std::string pieceStem(const std::string& fileName, unsigned codePage) {
    const char* begin = fileName.c_str();
    const char* cut = begin + fileName.size();
    for (int n = 0; n < 4; ++n) {
        if (cut == begin) throw platform::RuntimeError(platform::kInvalidCall);
        cut = CharPrevExA(static_cast<WORD>(codePage), begin, cut, 0);
    }
    return fileName.substr(0, static_cast<size_t>(cut - begin));
}

std::string batchStem(const std::string& fileName) { return fileName.substr(0, fileName.find('.')); }

std::string extension(const std::string& fileName) {
    size_t dot = fileName.find('.');
    return dot == std::string::npos ? std::string() : fileName.substr(dot);
}

std::string pieceName(const std::string& stem, int n) { return stem + ".S" + platform::twoDigits(n); }

std::string piecePath(const std::string& folder, const std::string& stem, int n) {
    return platform::joinFolder(folder, pieceName(stem, n));
}

}  // namespace split
