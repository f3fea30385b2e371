// A folder of names from several scripts, entered and chosen as a user would.
// The same test runs in the program's UTF-8 (app_tests) and, built without
// the manifest, in the system's own code page (app_legacy_tests), as on a
// Windows older than the UTF-8 setting.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "app/run/split_files.h"
#include "app/support/splitter_window.h"
#include "platform/ansi_text.h"
#include "split/messages.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {
// As the program's lists give the name: its own form, or "?" for each
// UTF-16 unit the code page has no form of.
std::string listedAs(const char* utf8) {
    std::string ansi;
    platform::exactAnsiFrom(platform::wideFrom(utf8, CP_UTF8), ansi);
    return ansi;
}
}  // namespace

TEST(EveryScript, AFolderOfNamesIsEnteredWithoutABoxAndEachChosenOrRefused) {
    const char* const names[] = {u8"東京タワー.mp4", u8"Отчёт 2026.docx", u8"😀 party.zip", u8"café.txt"};
    TempDir in, out;
    for (size_t i = 0; i < 4; ++i) {
        // Made through the wide functions: a code page without these letters cannot name them.
        const std::wstring path = platform::wideFromAnsi(in.path()) + L"\\" + platform::wideFrom(names[i], CP_UTF8);
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << names[i];
        DWORD wrote = 0;
        const std::string bytes = patternBytes(1000 + i, static_cast<unsigned>(i));
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr);
        CloseHandle(h);
    }
    SplitterWindow win(out.path());
    frmSplitter& w = win.w();
    w.cleavDir.setPath(in.path());
    EXPECT_TRUE(win.boxes.shown.empty()) << win.boxes.shown[0].text;

    std::vector<std::string> listed, expected;
    for (int i = 0; i < w.fiInFile.count(); ++i) listed.push_back(w.fiInFile.item(i));
    for (const char* name : names) expected.push_back(listedAs(name));
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);

    for (size_t n = 0; n < 4; ++n) {
        SCOPED_TRACE(names[n]);
        const std::string name = listedAs(names[n]);
        win.chooseFile(in.path(), name);
        const bool usable = name.find('?') == std::string::npos;
        EXPECT_EQ(usable, platform::ansiIsUtf8() || n == 3);
        EXPECT_EQ(w.lblStatus.caption(),
                  usable ? "File Size is: " + grouped(static_cast<int64_t>(1000 + n)) : split::kStatusNameWithoutForm);
        EXPECT_TRUE(win.boxes.shown.empty());
        if (usable) continue;
        // Refused when it is to be split, by the name as the system gives it.
        w.cmdSPlit.click();
        ASSERT_EQ(win.boxes.texts(), std::vector<std::string>{split::nameWithoutFormMessage(name)});
        EXPECT_TRUE(choosingAFile(w));
        win.boxes.shown.clear();
    }

    // The one whose name every code page here holds splits.
    win.chooseFile(in.path(), listedAs(u8"café.txt"));
    chooseIntoYFiles(w, "2");
    win.splitInto(out.path());
    EXPECT_EQ(win.boxes.texts(), std::vector<std::string>{"Operation Successful!\r\nUse: " + out.path() + "\\" +
                                                           listedAs(u8"café") + ".bat to combine!"});
}
