// The typed size as the size box shows it after losing the focus.
#pragma once
#include <string>

// A text that reads as a number (grouping commas allowed) becomes that number
// rounded to a whole number with its digits grouped: 1457663 -> 1,457,663.
// Anything else, the empty text included, is returned unchanged. A number
// too large for any whole number (1e999) is a run-time error 6, Overflow.
std::string groupedSizeText(const std::string& text);
