#include "split/split_types.h"

#include "platform/numbers.h"

namespace split {

namespace {
const SplitTypeInfo kTypes[kSplitTypeCount] = {
    {kFloppy, "F&loppies size", 1457663, ExtraInput::kNone, 0},
    {kEqualSize, "Split for &Equal size", 0, ExtraInput::kTypedSize, 0},
    {kIntoYFiles, "Split into &Y files", 0, ExtraInput::kPieceCount, 0},
    {kZip, "&Zip size", 100431871, ExtraInput::kNone, 1000},
    {kJaz1G, "Jaz Size (&1G)", 1004318710, ExtraInput::kNone, 2000},
    {kCdr650, "CDR  &650MB", 636538060, ExtraInput::kNone, 3000},
    {kJaz2G, "Jaz Size (&2G)", 2008637420, ExtraInput::kNone, 4000},
    {kCdr700, "CDR &700MB", 687341568, ExtraInput::kNone, 5000},
};
}  // namespace

const SplitTypeInfo* splitTypeInfo(int type) {
    return type >= 0 && type < kSplitTypeCount ? &kTypes[type] : nullptr;
}

const SplitTypeInfo& splitTypeOrDefault(int type) {
    const SplitTypeInfo* info = splitTypeInfo(type);
    return info ? *info : kTypes[kDefaultSplitType];
}

ExtraInput extraInputOfSetting(const std::string& line) {
    for (const SplitTypeInfo& row : kTypes)
        if (line == settingsValueOf(row.type)) return row.extra;
    return ExtraInput::kNone;
}

ExtraInput extraInputOf(int type) {
    const SplitTypeInfo* info = splitTypeInfo(type);
    return info ? info->extra : ExtraInput::kNone;
}

std::string settingsValueOf(SplitType type) { return std::to_string(static_cast<int>(type)); }

std::string tooltipOf(int type) {
    const SplitTypeInfo* info = splitTypeInfo(type);
    if (!info || !info->mediumSize) return "";
    return "Maximum bytes = " + platform::groupDigits(info->mediumSize);
}

}  // namespace split
