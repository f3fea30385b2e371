// A fresh folder under the temp folder, removed with everything in it at the end.
#pragma once
#include <cstdint>
#include <string>

namespace testing_support {

class TempDir {
public:
    explicit TempDir(const std::string& under = "");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }  // no trailing backslash
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);
// Bytes that differ from position to position, so that misplaced ranges show.
std::string patternBytes(size_t n, unsigned seed = 1);
// A file of the given size that takes no disk space.
void makeSparseFile(const std::string& path, uint64_t size);
void removeTree(const std::string& path);
// Turns a Unix path into the Z: path Wine maps it to.
std::string unixToWine(const std::string& unixPath);

}  // namespace testing_support
