#include "split/split_types.h"

#include "platform/numbers.h"

namespace split {

namespace {
const SplitTypeInfo kTypes[kSplitTypeCount] = {
    {kFloppy, "F&loppies size", 1457663, ExtraInput::kNone},
    {kEqualSize, "Split for &Equal size", 0, ExtraInput::kTypedSize},
    {kIntoYFiles, "Split into &Y files", 0, ExtraInput::kPieceCount},
    {kZip, "&Zip size", 100431871, ExtraInput::kNone},
    {kJaz1G, "Jaz Size (&1G)", 1004318710, ExtraInput::kNone},
    {kCdr650, "CDR  &650MB", 636538060, ExtraInput::kNone},
    {kJaz2G, "Jaz Size (&2G)", 2008637420, ExtraInput::kNone},
    {kCdr700, "CDR &700MB", 687341568, ExtraInput::kNone},
};
}  // namespace

const SplitTypeInfo* splitTypeInfo(int type) {
    return type >= 0 && type < kSplitTypeCount ? &kTypes[type] : nullptr;
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
