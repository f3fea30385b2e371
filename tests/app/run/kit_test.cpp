// The receiver's kit as real splits through the window write it. The splits
// stay in C:\cleavo-kit-cases for joiner_test.sh, which runs each joiner
// with /bin/sh as a receiver on Linux would: one folder per case, the input
// in in\, the pieces, batch file and kit in out\.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <thread>

#include "app/run/split_files.h"
#include "app/support/splitter_window.h"
#include "support/temp_dir.h"
#include "platform/ansi_text.h"
#include "split/split_outputs.h"

using namespace testing_support;

namespace {

// The prefix's system32 certutil.exe: the stand-in built beside the tests,
// none at all, and at the end what was there before.
class Certutil {
public:
    Certutil() {
        char dir[MAX_PATH];
        GetSystemDirectoryA(dir, MAX_PATH);
        path_ = std::string(dir) + "\\certutil.exe";
        had_ = fileExists(path_);
        if (had_) saved_ = readFile(path_);
    }
    ~Certutil() {
        DeleteFileA(path_.c_str());
        if (had_) writeFile(path_, saved_);
        useNative(false);
    }
    // Wine loads its own silent builtin instead unless its registry says to
    // load this one (every process reads it as it starts).
    void standIn(const char* form, bool native = true) {
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        const std::string exe = std::string(self, strrchr(self, '\\')) + "\\standin\\certutil.exe";
        if (!fileExists(path_) || readFile(path_) != readFile(exe)) {
            ASSERT_TRUE(CopyFileA(exe.c_str(), path_.c_str(), FALSE));
        }
        useNative(native);
        SetEnvironmentVariableA("CLEAVO_CERTUTIL_FORM", form);
    }
    void none() { DeleteFileA(path_.c_str()); }

private:
    static void useNative(bool native) {
        HKEY key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr) != ERROR_SUCCESS)
            return;
        if (native)
            RegSetValueExA(key, "certutil.exe", 0, REG_SZ, reinterpret_cast<const BYTE*>("native"), 7);
        else
            RegDeleteValueA(key, "certutil.exe");
        RegCloseKey(key);
    }
    std::string path_, saved_;
    bool had_;
};

// A receiver's folder: the pieces, the batch file and the checksum list, each
// copied from `out` unless `leave` says otherwise.
void receive(const std::string& out, const std::string& folder, const std::vector<std::string>& files,
             const std::string& leave = "") {
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    for (const std::string& f : files) {
        if (f == leave) continue;
        ASSERT_TRUE(CopyFileA((out + "\\" + f).c_str(), (folder + "\\" + f).c_str(), TRUE)) << f;
    }
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

const char* const kChecked = " rebuilt and checked: OK\r\n";
const char* const kNotChecked = " rebuilt, not checked: compare what certutil -hashfile ";

}  // namespace

TEST(Kit, SplitsForTheJoinerTestAndTheBatchFileChecksThem) {
    const std::string root = "C:\\cleavo-kit-cases";
    removeTree(root);
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
    struct Case {
        const char* folder;
        std::string name, pieceStem, batchStem;
        size_t bytes;
        const char* pieces;
        // How the batch file names the files: in the OEM code page, or
        // through its own name where that has no OEM form.
        bool selfNamed;
    };
    std::string tokyo80, long200;  // 80 characters, 240 bytes in UTF-8; 99 copy parts of 200 would pass 8,191
    for (int i = 0; i < 16; ++i) tokyo80 += u8"東京タワー";
    for (int i = 0; i < 200; ++i) long200 += static_cast<char>('a' + i % 26);
    const Case cases[] = {
        {"plain", "holiday.avi", "holiday", "holiday", 5000, "3", false},
        {"shell", "it's $HOME `date` a;b&c!.txt", "it's $HOME `date` a;b&c!", "it's $HOME `date` a;b&c!", 4000, "2",
         false},
        {"no-extension", "README", "RE", "README", 3000, "3", false},
        {"dots", "a.b.c", "a", "a", 2000, "2", false},
        {"ninety-nine", long200 + ".dat", long200, long200, 99 * 37, "99", false},
        {"empty-last", "tail.dat", "tail", "tail", 10, "6", false},  // pieces of 2 bytes, the sixth empty
        {"non-ascii", u8"café 100% a&b^(1).txt", u8"café 100% a&b^(1)", u8"café 100% a&b^(1)", 2500, "2", false},
        {"japanese", u8"東京タワー.mp4", u8"東京タワー", u8"東京タワー", 3000, "3", true},
        {"cyrillic", u8"Отчёт 2026.docx", u8"Отчёт 2026.", u8"Отчёт 2026", 2000, "2", true},
        {"emoji", u8"😀 party.zip", u8"😀 party", u8"😀 party", 2000, "2", true},
        {"greek-arabic", u8"Ελλάδα تقرير 'a'&$b!^(x).pdf", u8"Ελλάδα تقرير 'a'&$b!^(x)",
         u8"Ελλάδα تقرير 'a'&$b!^(x)", 2000, "2", true},
        {"cut-stem", u8"東京.7z", u8"東", u8"東京", 2000, "2", true},
        {"japanese-80", tokyo80 + ".mp4", tokyo80, tokyo80, 3000, "2", true},
    };
    // Each split's receivers: every file there; a piece damaged, with an
    // earlier file at the rebuilt name; the last piece missing.
    struct Receiver {
        std::string folder, batch, name, input, lastPiece;
        int rc;
        std::string said;
        bool checked;  // certutil there: 99 pieces' names are tried without it, 99 hashes would take seconds
    };
    std::vector<Receiver> receivers;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        const std::string dir = root + "\\" + c.folder, in = dir + "\\in", out = dir + "\\out";
        ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(in.c_str(), nullptr) && CreateDirectoryA(out.c_str(), nullptr));
        const std::string input = patternBytes(c.bytes, static_cast<unsigned>(c.bytes));
        writeFile(in + "\\" + c.name, input);
        SplitterWindow win(in);
        win.chooseFile(in, c.name);
        chooseIntoYFiles(win.w(), c.pieces);
        win.splitInto(out);

        EXPECT_EQ(win.boxes.texts(), std::vector<std::string>{"Operation Successful!\r\nUse: " + out + "\\" +
                                                               c.batchStem + ".bat to combine!"});
        std::vector<std::string> pieces;
        for (int n = 1; n <= atoi(c.pieces); ++n) pieces.push_back(pieceName(c.pieceStem, n));
        EXPECT_EQ(filesIn(out), withKit(pieces, c.name));

        // The batch file names itself where it must, fits the interpreter's
        // lines and is read back as the split it is.
        const std::string batch = readFile(out + "\\" + c.batchStem + ".bat");
        EXPECT_EQ(batch.find("%~n0") != std::string::npos, c.selfNamed) << batch;
        for (size_t at = 0, end; (end = batch.find("\r\n", at)) != std::string::npos; at = end + 2)
            EXPECT_LE(end - at, 8191u);
        split::SplitRecord record;
        ASSERT_TRUE(split::SplitOutputs::readRecord(out, c.batchStem + ".bat", record));
        EXPECT_EQ(platform::ansiFrom(record.owner), c.name);
        EXPECT_EQ(record.pieces.size(), pieces.size());
        for (size_t i = 0; i < pieces.size() && i < record.pieces.size(); ++i)
            EXPECT_EQ(platform::ansiFrom(record.pieces[i]), pieces[i]);

        std::vector<std::string> files = pieces;
        files.push_back(c.batchStem + ".bat");
        files.push_back(c.name + ".sha256");
        receive(out, dir + "\\intact", files);
        receive(out, dir + "\\damaged", files);
        receive(out, dir + "\\missing", files, pieces.back());
        std::string damaged = readFile(dir + "\\damaged\\" + pieces[0]);
        damaged[0] ^= 1;
        writeFile(dir + "\\damaged\\" + pieces[0], damaged);
        writeFile(dir + "\\damaged\\" + c.name, "earlier");
        writeFile(dir + "\\intact\\" + c.name, "earlier");
        for (const char* kind : {"intact", "damaged", "missing"})
            if (pieces.size() < 10 || std::string(kind) != "damaged")
                receivers.push_back(
                    {dir + "\\" + kind, c.batchStem + ".bat", c.name, input, pieces.back(), 0, "", pieces.size() < 10});
    }

    Certutil certutil;
    for (bool checked : {true, false}) {
        if (checked) certutil.standIn("win10");
        else certutil.none();
        // Four receivers at a time: each is a folder of its own.
        std::vector<Receiver*> now;
        for (Receiver& r : receivers)
            if (r.checked == checked) now.push_back(&r);
        for (size_t first = 0; first < now.size(); first += 4) {
            std::vector<std::thread> running;
            for (size_t i = first; i < now.size() && i < first + 4; ++i)
                running.emplace_back([r = now[i]] { r->rc = runBatch(r->folder, r->batch, &r->said); });
            for (std::thread& t : running) t.join();
        }
    }
    for (const Receiver& r : receivers) {
        SCOPED_TRACE(r.folder);
        const std::string kind = r.folder.substr(r.folder.rfind('\\') + 1);
        std::vector<std::string> before = filesIn(r.folder);
        if (kind == "intact") {
            EXPECT_EQ(r.rc, 0);
            EXPECT_TRUE(r.checked ? endsWith(r.said, kChecked) : r.said.find(kNotChecked) != std::string::npos) << r.said;
            EXPECT_TRUE(readFile(r.folder + "\\" + r.name) == r.input) << "the batch file did not rebuild " << r.name;
        } else if (kind == "damaged") {
            EXPECT_EQ(r.rc, 1);
            EXPECT_NE(r.said.find(".S01\" does not match its SHA-256\r\n"), std::string::npos) << r.said;
            EXPECT_TRUE(endsWith(r.said, "Pieces are damaged: nothing was written.\r\n")) << r.said;
            EXPECT_EQ(readFile(r.folder + "\\" + r.name), "earlier");
        } else {
            EXPECT_EQ(r.rc, 1);
            EXPECT_NE(r.said.find(r.lastPiece.substr(r.lastPiece.size() - 4) + "\"\r\nPieces are missing: nothing was "
                                                                              "written.\r\n"),
                      std::string::npos)
                << r.said;
            EXPECT_FALSE(fileExists(r.folder + "\\" + r.name));
        }
        // Nothing left behind: no temporary file.
        for (const std::string& f : filesIn(r.folder)) EXPECT_EQ(f.find(".tmp"), std::string::npos) << f;
        EXPECT_EQ(r.said.find("Press any key"), std::string::npos) << "it waited, run from another program";
    }

    // Every form of certutil and none: the intact set of "plain" each time.
    const std::string plain = root + "\\plain", input = receivers[0].input;
    std::vector<std::string> files = {"holiday.S01", "holiday.S02", "holiday.S03", "holiday.bat", "holiday.avi.sha256"};
    struct Form {
        const char* folder;
        std::function<void()> set;
        const char* leave;
        int rc;
        std::string said;  // the end of what it says
    };
    const std::string clicked = "C:\\windows\\system32\\cmd.exe /c \"\"" + plain + "\\clicked\\holiday.bat\" \"";
    const Form forms[] = {
        {"win7", [&] { certutil.standIn("win7"); }, "", 0, kChecked},
        {"german", [&] { certutil.standIn("german"); }, "", 0, kChecked},
        {"wine-builtin", [&] { certutil.standIn("win10", false); }, "", 0, kNotChecked},
        {"no-list", [&] { certutil.standIn("win10"); }, "holiday.avi.sha256", 0, kNotChecked},
        {"wrong-whole", [&] {
             const std::string list = plain + "\\wrong-whole\\holiday.avi.sha256";
             std::string text = readFile(list);
             text[text.rfind('\n', text.size() - 2) + 1] ^= 1;
             writeFile(list, text);
         }, "", 1, "The rebuilt \"holiday.avi\" does not match its SHA-256: nothing was written.\r\n"},
        {"clicked", [&] { SetEnvironmentVariableA("cmdcmdline", clicked.c_str()); }, "", 0, "Press any key"},
        {"no-certutil", [&] {
             SetEnvironmentVariableA("cmdcmdline", nullptr);
             certutil.none();
         }, "", 0, kNotChecked},
    };
    for (const Form& f : forms) {
        SCOPED_TRACE(f.folder);
        const std::string folder = plain + "\\" + f.folder;
        receive(plain + "\\out", folder, files, f.leave);
        f.set();
        std::string said;
        EXPECT_EQ(runBatch(folder, "holiday.bat", &said), f.rc);
        EXPECT_NE(said.find(f.said), std::string::npos) << said;
        EXPECT_EQ(fileExists(folder + "\\holiday.avi") && readFile(folder + "\\holiday.avi") == input, f.rc == 0);
        EXPECT_EQ(filesIn(folder).size(), files.size() - (*f.leave ? 1 : 0) + (f.rc == 0 ? 1 : 0));
    }
    // The OEM text of a name that has one stays byte for byte.
    EXPECT_NE(readFile(root + u8"\\non-ascii\\out\\café 100% a&b^(1).bat")
                  .find("copy \"caf\x82 100%% a&b^(1).S01\" /b  + \"caf\x82 100%% a&b^(1).S02\" /b "
                        "\"caf\x82 100%% a&b^(1).txt.%r%.tmp\" >nul\r\n"),
              std::string::npos);
}

TEST(Kit, AnInputNamedLikeItsJoinerIsRefused) {
    TempDir in;
    writeFile(in / "notes.sh", patternBytes(3000));
    SplitterWindow win(in.path());
    win.chooseFile(in.path(), "notes.sh");
    chooseIntoYFiles(win.w(), "2");
    win.splitInto(in.path());
    ASSERT_EQ(win.boxes.texts(),
              std::vector<std::string>{"The file notes.sh would be overwritten by its own joiner script.\r\n"
                                       "Choose another output folder or rename the file."});
    EXPECT_EQ(win.boxes.shown[0].style & kIconMask, kExclamationIcon);
    EXPECT_EQ(filesIn(in.path()), std::vector<std::string>{"notes.sh"});
    EXPECT_EQ(readFile(in / "notes.sh"), patternBytes(3000));
}
