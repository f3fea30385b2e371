// Reading and writing numbers the way the window shows them.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

// A whole number with its digits grouped in threes by "," and at least one
// digit: 0, 999, 1,000, 1,457,663, -2,048. Every grouped pattern of the
// program ("#,###,###,##0", "##,###,##0", ...) means this.
std::string groupDigits(int64_t value);
// The same for a whole number held as a double, of any size ("%.0f" digits).
std::string groupWholeNumber(double value);

// Two digits with a leading zero: 1 -> "01", 99 -> "99".
std::string twoDigits(int n);

// True when the text reads as a number: optional blanks around it, an
// optional sign, digits with at most one decimal point, an optional exponent.
// The empty text and text with letters in it do not.
bool readsAsNumber(const std::string& text);

// The number the text reads as (readsAsNumber must hold); 0 otherwise.
double numberOf(const std::string& text);

// Rounds to a whole number, halves away from zero.
double roundHalfAway(double x);

// The whole number at the start of the text: leading blanks skipped, reading
// stops at the first character that is not a digit (an optional sign first).
// "                  5" -> 5. No digits -> 0.
int64_t leadingWholeNumber(const std::string& text);

}  // namespace platform
