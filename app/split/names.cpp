#include "split/names.h"

#include <algorithm>

#include "platform/ansi_text.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"

namespace split {

bool pieceStemOf(const std::string& fileName, std::string& stem) {
    return platform::dropLastCharacters(fileName, 4, stem);
}

std::string pieceStem(const std::string& fileName) {
    std::string stem;
    if (!pieceStemOf(fileName, stem)) throw platform::RuntimeError(platform::kInvalidCall);
    return stem;
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

void addNamesOnce(std::vector<std::string>& to, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        if (std::none_of(to.begin(), to.end(), [&](const std::string& n) { return platform::sameFileName(n, name); }))
            to.push_back(name);
}

}  // namespace split
