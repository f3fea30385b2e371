// The version resources of both shipped files, read back through the
// platform's own version API from the files beside this test program.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string besideThisProgram(const char* name) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

struct VersionInfo {
    bool found = false;
    VS_FIXEDFILEINFO fixed{};
    std::vector<char> block;

    // A value of the US English, Unicode string table, which is the one the
    // resources write.
    std::string text(const char* key) const {
        std::string query = std::string("\\StringFileInfo\\040904b0\\") + key;
        char* value = nullptr;
        UINT len = 0;
        if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &len) || !value)
            return "(none)";
        return std::string(value);
    }
};

VersionInfo versionOf(const std::string& path) {
    VersionInfo info;
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return info;
    info.block.resize(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, info.block.data())) return info;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    if (!VerQueryValueA(info.block.data(), "\\", reinterpret_cast<void**>(&fixed), &len) || len < sizeof *fixed)
        return info;
    info.fixed = *fixed;
    info.found = true;
    return info;
}

// "2.5.5.0" from the four 16-bit parts of a version.
std::string dotted(DWORD ms, DWORD ls) {
    return std::to_string(HIWORD(ms)) + "." + std::to_string(LOWORD(ms)) + "." + std::to_string(HIWORD(ls)) +
           "." + std::to_string(LOWORD(ls));
}

void expectProjectVersion(const VersionInfo& v) {
    const std::string four = std::string(CLEAVO_EXPECTED_VERSION) + ".0";
    EXPECT_EQ(dotted(v.fixed.dwFileVersionMS, v.fixed.dwFileVersionLS), four);
    EXPECT_EQ(dotted(v.fixed.dwProductVersionMS, v.fixed.dwProductVersionLS), four);
    EXPECT_EQ(v.text("FileVersion"), CLEAVO_EXPECTED_VERSION);
    EXPECT_EQ(v.text("ProductVersion"), CLEAVO_EXPECTED_VERSION);
    EXPECT_EQ(v.text("ProductName"), "cleavo");
}

}  // namespace

TEST(VersionResource, LibraryNamesItselfWithTheProjectVersion) {
    const VersionInfo v = versionOf(besideThisProgram("cleavo.dll"));
    ASSERT_TRUE(v.found) << "cleavo.dll has no version resource";
    expectProjectVersion(v);
    EXPECT_EQ(v.fixed.dwFileType, static_cast<DWORD>(VFT_DLL));
    EXPECT_EQ(v.text("OriginalFilename"), "cleavo.dll");
    EXPECT_EQ(v.text("FileDescription"), "Cleavo piece copier library");
}

TEST(VersionResource, ProgramNamesItselfWithTheProjectVersion) {
    const VersionInfo v = versionOf(besideThisProgram("cleavo.exe"));
    ASSERT_TRUE(v.found) << "cleavo.exe has no version resource";
    expectProjectVersion(v);
    EXPECT_EQ(v.fixed.dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(v.text("OriginalFilename"), "cleavo.exe");
    EXPECT_EQ(v.text("FileDescription"), "Cleavo File Splitter");
}
