#include "platform/numbers.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace platform {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Digits of a magnitude grouped in threes from the right, after a sign.
std::string grouped(const std::string& digits, bool negative) {
    std::string out = negative ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}
}  // namespace

std::string groupDigits(int64_t value) {
    // The magnitude in unsigned arithmetic, so that INT64_MIN has one too.
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    return grouped(std::to_string(magnitude), value < 0);
}

std::string groupWholeNumber(double value) {
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", std::fabs(value));
    return grouped(digits, value < 0);
}

std::string twoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

bool readsAsNumber(const std::string& text) {
    size_t i = 0, n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < n && isDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        size_t exponentDigits = 0;
        while (i < n && isDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    while (i < n && isBlank(text[i])) ++i;
    return i == n;
}

double numberOf(const std::string& text) {
    if (!readsAsNumber(text)) return 0;
    // strtod reads the current locale's decimal point; the text always uses ".".
    std::string local = text;
    const char* point = std::localeconv()->decimal_point;
    if (point && point[0] && point[0] != '.') {
        for (char& c : local)
            if (c == '.') c = point[0];
    }
    // Out of range gives HUGE_VAL: a huge typed number stays huge.
    return std::strtod(local.c_str(), nullptr);
}

double roundHalfAway(double x) {
    // Every double from 2^52 up is whole already (and so are the infinities).
    if (!(std::fabs(x) < 4503599627370496.0)) return x;
    // Whole part and fraction are both exact, so the half is decided by one
    // exact comparison: adding 0.5 and flooring would round 0.49999999999999994
    // up to 1 wherever the sum is rounded to a double (SSE2), and not where it
    // is kept in the x87's wider registers, so the result would hang on the FPU.
    double whole = std::trunc(x);
    double fraction = x - whole;
    if (fraction >= 0.5) return whole + 1;
    if (fraction <= -0.5) return whole - 1;
    return whole;
}

int64_t leadingWholeNumber(const std::string& text) {
    size_t i = 0, n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Read as an integer: a double would lose the last digits of a 19-digit size.
    const uint64_t limit = negative ? uint64_t(1) << 63 : static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    uint64_t value = 0;
    for (; i < n && isDigit(text[i]); ++i) {
        unsigned digit = static_cast<unsigned>(text[i] - '0');
        if (value > (limit - digit) / 10) {
            value = limit;  // saturates rather than wraps
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? static_cast<int64_t>(0 - value) : static_cast<int64_t>(value);
}

}  // namespace platform
