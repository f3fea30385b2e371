#include "split/kit.h"

#include <utility>

#include "platform/ansi_text.h"
#include <windows.h>

namespace split {

std::string shellQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

KitContents kitOf(const SplitOutputs& outputs, std::vector<PieceDigest> pieces, std::string wholeHex) {
    KitContents kit;
    kit.target = outputs.target();
    kit.joinerName = outputs.joinerName();
    for (size_t n = 1; n <= pieces.size(); ++n) kit.pieceNames.push_back(outputs.pieceName(static_cast<int>(n)));
    kit.pieces = std::move(pieces);
    kit.wholeHex = std::move(wholeHex);
    return kit;
}

std::string checksumText(const KitContents& kit) {
    std::string text;
    for (size_t i = 0; i < kit.pieces.size(); ++i)
        text += kit.pieces[i].hex + "  " + platform::utf8FromAnsi(kit.pieceNames[i]) + "\n";
    return text + kit.wholeHex + "  " + platform::utf8FromAnsi(kit.target) + "\n";
}

namespace {

// The joiner's tools, the same in every joiner: a check that the target's
// name is free for a file, the hash command the system has, the check of one
// piece, and the making of the temporary file. The temporary file is created
// new, never opened through a name someone could have planted a link at:
// mktemp (a template for BSD's), else noclobber's exclusive create over
// names checked to be free. mv would move the result into a folder, and a
// link would be replaced or followed: both are refused before the long work
// and again just before the rename.
// maketemp gives the file the mode that cat > would have made it with.
const char* const kJoinerTools = R"sh(usable() {
  if [ -L "./$target" ]; then
    printf '%s\n' "$target is a symbolic link: nothing was written." >&2; exit 1
  elif [ -d "./$target" ]; then
    printf '%s\n' "$target is a folder: nothing was written." >&2; exit 1
  fi
}
usable
if command -v sha256sum >/dev/null 2>&1; then
  sum256() { sha256sum < "$1" | cut -c1-64; }
elif command -v shasum >/dev/null 2>&1; then
  sum256() { shasum -a 256 < "$1" | cut -c1-64; }
elif command -v openssl >/dev/null 2>&1; then
  sum256() { openssl dgst -sha256 < "$1" | sed 's/^.*= *//'; }
else
  echo 'No sha256sum, shasum or openssl found: nothing was written.' >&2
  exit 2
fi
failed=0
check() {
  if [ ! -f "./$1" ]; then
    printf '%s\n' "Missing: $1" >&2; failed=1
  elif [ "$(wc -c < "./$1" | tr -d ' ')" != "$2" ]; then
    printf '%s\n' "Wrong size: $1 (not $2 bytes)" >&2; failed=1
  elif [ "$(sum256 "./$1")" != "$3" ]; then
    printf '%s\n' "Damaged: $1 (its SHA-256 does not match)" >&2; failed=1
  fi
}
maketemp() {
  temp=
  if command -v mktemp >/dev/null 2>&1 && temp=$(mktemp ./.cleavo.XXXXXX 2>/dev/null); then
    chmod "$(printf '%o' $((0666 & ~0$(umask))))" "$temp"
    return
  fi
  temp= n=0
  set -C
  while [ -z "$temp" ] && [ "$n" -lt 100 ]; do
    t="./.cleavo.$$.$n" n=$((n + 1))
    if [ ! -e "$t" ] && [ ! -L "$t" ] && { : > "$t"; } 2>/dev/null; then temp=$t; fi
  done
  set +C
}
)sh";

}  // namespace

std::string joinerScript(const KitContents& kit) {
    const std::string target = shellQuoted(platform::utf8FromAnsi(kit.target));
    std::string checks, pieces;
    for (size_t i = 0; i < kit.pieces.size(); ++i) {
        const std::string name = shellQuoted(platform::utf8FromAnsi(kit.pieceNames[i]));
        checks += "check " + name + " " + std::to_string(kit.pieces[i].size) + " " + kit.pieces[i].hex + "\n";
        pieces += " ./" + name;
    }
    // Names reach commands only as "./name" or on standard input, so that a
    // name beginning with "-" is never read as an option.
    return "#!/bin/sh\n"
           "# Rebuilds " + target + " from its pieces beside this script and checks it.\n"
           "# Run: sh " + shellQuoted(platform::utf8FromAnsi(kit.joinerName)) + "\n"
           "cd -- \"$(dirname -- \"$0\")\" || exit 1\n"
           "target=" + target + "\n" + kJoinerTools + checks +
           "if [ \"$failed\" != 0 ]; then\n"
           "  echo 'Nothing was written.' >&2\n"
           "  exit 1\n"
           "fi\n"
           "temp=\n"
           "trap '[ -z \"$temp\" ] || rm -f \"$temp\"' EXIT\n"
           "trap 'exit 1' HUP INT TERM\n"
           "maketemp\n"
           "[ -n \"$temp\" ] || { printf '%s\\n' \"Could not write $target.\" >&2; exit 1; }\n"
           "cat" + pieces + " > \"$temp\" || { printf '%s\\n' \"Could not write $target.\" >&2; exit 1; }\n"
           "if [ \"$(sum256 \"$temp\")\" != " + kit.wholeHex + " ]; then\n"
           "  printf '%s\\n' \"The rebuilt $target does not match its SHA-256: it was deleted.\" >&2\n"
           "  exit 1\n"
           "fi\n"
           "usable\n"
           "mv -f \"$temp\" \"./$target\" || exit 1\n"
           // What took the name in the meantime may have had the file moved
           // into it: OK only for a regular file under the name itself.
           "if [ -L \"./$target\" ] || [ ! -f \"./$target\" ]; then\n"
           "  [ ! -d \"./$target\" ] || rm -f \"./$target/${temp#./}\"\n"
           "  printf '%s\\n' \"$target could not be put in place: nothing was written.\" >&2\n"
           "  exit 1\n"
           "fi\n"
           "printf '%s\\n' \"$target rebuilt and checked: OK\"\n";
}

namespace {
// The text of a single-quoted sh word at `at` ('it'\''s' is "it's"); false
// when none begins there.
bool unquoted(const std::wstring& line, size_t at, std::wstring& word) {
    word.clear();
    if (at >= line.size() || line[at] != L'\'') return false;
    for (size_t i = at + 1; i < line.size(); ++i) {
        if (line[i] != L'\'') {
            word += line[i];
        } else if (line.compare(i, 4, L"'\\''") == 0) {
            word += L'\'';
            i += 3;
        } else {
            return true;
        }
    }
    return false;
}
}  // namespace

bool readJoinerRecord(const std::string& bytes, SplitRecord& record) {
    const std::vector<std::wstring> lines = platform::linesOf(platform::wideFrom(bytes, CP_UTF8));
    const std::wstring rebuilds = L"# Rebuilds ";
    if (lines.size() < 2 || lines[0] != L"#!/bin/sh" || lines[1].compare(0, rebuilds.size(), rebuilds) != 0 ||
        !unquoted(lines[1], rebuilds.size(), record.owner))
        return false;
    std::wstring piece;
    for (const std::wstring& line : lines)
        if (line.compare(0, 6, L"check ") == 0 && unquoted(line, 6, piece)) record.pieces.push_back(piece);
    return true;
}

bool readChecksumRecord(const std::string& bytes, SplitRecord& record) {
    std::wstring text = platform::wideFrom(bytes, CP_UTF8);
    if (!text.empty() && text[0] == 0xFEFF) text.erase(0, 1);
    std::vector<std::wstring> named;
    for (const std::wstring& line : platform::linesOf(text)) {
        if (line.size() < 67 || line.find_first_not_of(L"0123456789abcdefABCDEF") != 64 || line[64] != L' ' ||
            (line[65] != L' ' && line[65] != L'*'))
            continue;
        named.push_back(line.substr(66));
    }
    if (named.empty()) return false;
    record.owner = named.back();
    record.pieces.assign(named.begin(), named.end() - 1);
    return true;
}

}  // namespace split
