#include <gtest/gtest.h>
#include <windows.h>
#include "cleavo.h"
#include "support/library_dialogs.h"
#include "support/temp_dir.h"
using namespace testing_support;
TEST(Smoke, LoadsByName) {
    HMODULE dll = LoadLibraryA("cleavo.dll");
    ASSERT_NE(dll, nullptr);
    auto big = reinterpret_cast<BigFileSizeFn>(GetProcAddress(dll, "BigFileSize"));
    ASSERT_NE(big, nullptr);
    TempDir dir;
    writeFile(dir / "a", "12345");
    char text[20];
    EXPECT_EQ(big((dir / "a").c_str(), text), 1);
    EXPECT_STREQ(text, "                  5");
    RealDialogAnswerer ans;
    EXPECT_EQ(big((dir / "missing").c_str(), text), 0);
    ASSERT_EQ(ans.seen().size(), 1u);
    EXPECT_EQ(ans.seen()[0].caption, "Cannot Open:");
    EXPECT_EQ(ans.seen()[0].text, dir / "missing");
}
