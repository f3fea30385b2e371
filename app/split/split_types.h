// The split types, each once: its option's caption, the piece size of its
// medium or the extra input it needs, and the value the settings file keeps
// for it. The window, the plan, the tooltips and the settings read them
// here; a new type is a new row (and its option's place on the window).
#pragma once
#include <cstdint>
#include <string>

namespace split {

// Split types by option index, which is also their settings value.
enum SplitType {
    kFloppy = 0,
    kEqualSize = 1,
    kIntoYFiles = 2,
    kZip = 3,
    kJaz1G = 4,
    kCdr650 = 5,
    kJaz2G = 6,
    kCdr700 = 7,
};
const int kSplitTypeCount = 8;

// What a type needs besides the file: nothing (a medium's fixed size), a
// typed size with its unit, or a number of pieces.
enum class ExtraInput { kNone, kTypedSize, kPieceCount };

struct SplitTypeInfo {
    SplitType type;
    const char* caption;  // its option's, with its access key
    int64_t mediumSize;   // bytes per piece; 0 where an extra input decides
    ExtraInput extra;
    // A medium's plan is reported from its own block of line numbers (the
    // option test at lineBase + 290, the 99 test at lineBase + 295).
    int lineBase;
};

// The type start-up selects, which also stands for "no option chosen".
const SplitType kDefaultSplitType = kZip;

// The row of a type; a type outside the table has none (nullptr).
const SplitTypeInfo* splitTypeInfo(int type);
// The row of a type, or of kDefaultSplitType for a type outside the table.
const SplitTypeInfo& splitTypeOrDefault(int type);
ExtraInput extraInputOf(int type);
// The extra input of the type a settings line names; kNone for a line that
// names no type.
ExtraInput extraInputOfSetting(const std::string& line);
// The settings file's line for the type: its index as text.
std::string settingsValueOf(SplitType type);
// The tooltip of a medium's option: "Maximum bytes = 1,457,663"; empty for
// the two types with an extra input.
std::string tooltipOf(int type);

}  // namespace split
