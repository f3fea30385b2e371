#include <gtest/gtest.h>

#include <climits>

#include "platform/numbers.h"
#include "ui/split_type.h"

using namespace platform;

TEST(NumbersText, GroupAndTwoDigits) {
    EXPECT_EQ(groupDigits(0), "0");
    EXPECT_EQ(groupDigits(999), "999");
    EXPECT_EQ(groupDigits(1000), "1,000");
    EXPECT_EQ(groupDigits(1457664), "1,457,664");
    EXPECT_EQ(groupDigits(-1000), "-1,000");
    EXPECT_EQ(groupDigits(-999), "-999");
    EXPECT_EQ(groupDigits(INT64_MAX), "9,223,372,036,854,775,807");
    EXPECT_EQ(groupDigits(INT64_MIN), "-9,223,372,036,854,775,808");
    EXPECT_EQ(twoDigits(1), "01");
    EXPECT_EQ(twoDigits(99), "99");
}

TEST(NumbersReading, ReadsAsNumber) {
    for (const char* yes : {"12", " +1.5 ", "-.5", "1.", "1e5", "2E-3", "\t7\t", "1e400"}) EXPECT_TRUE(readsAsNumber(yes)) << yes;
    for (const char* no : {"", "  ", "abc", "12a", ".", "1.2.3", "1e", "e5", "+", "1 2", "--1", "1,000"})
        EXPECT_FALSE(readsAsNumber(no)) << no;
    EXPECT_DOUBLE_EQ(numberOf(" 1.5 "), 1.5);
    EXPECT_DOUBLE_EQ(numberOf("-2.5e2"), -250);
    EXPECT_GT(numberOf("1e400"), 1e300);
    EXPECT_EQ(numberOf("12a"), 0);
}

// The same whole numbers from the x87 (32-bit build) and from SSE2 (64-bit).
TEST(NumbersReading, RoundsHalvesAwayOnEveryFpu) {
    const struct {
        double x, whole;
    } cases[] = {
        {2.5, 3}, {-2.5, -3}, {0.5, 1}, {-0.5, -1}, {1.4999999999999998, 1}, {0.49999999999999994, 0},
        {-0.49999999999999994, 0}, {2.4999999999999996, 2}, {4503599627370495.5, 4503599627370496},
        {4503599627370497.0, 4503599627370497}, {9007199254740993.0, 9007199254740992}, {1e300, 1e300},
    };
    for (const auto& c : cases) EXPECT_EQ(roundHalfAway(c.x), c.whole) << c.x;
    // Read, rounded and written back as the byte-size box does.
    const struct {
        const char* typed;
        const char* shown;
    } texts[] = {
        {"0.49999999999999994", "0"}, {"2.5", "3"}, {"1234.5", "1,235"}, {"-0.5", "-1"},
        {"4503599627370495.5", "4,503,599,627,370,496"}, {"1e20", "100,000,000,000,000,000,000"},
    };
    for (const auto& t : texts) EXPECT_EQ(groupedSizeText(t.typed), t.shown) << t.typed;
}

TEST(NumbersReading, LeadingWholeNumber) {
    EXPECT_EQ(leadingWholeNumber("                  0"), 0);
    EXPECT_EQ(leadingWholeNumber("            1457664"), 1457664);
    EXPECT_EQ(leadingWholeNumber("1234567890123456789"), 1234567890123456789);  // not exact as a double
    EXPECT_EQ(leadingWholeNumber("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(leadingWholeNumber("99999999999999999999"), INT64_MAX);  // saturates
    EXPECT_EQ(leadingWholeNumber(" -12 bytes"), -12);
    EXPECT_EQ(leadingWholeNumber("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(leadingWholeNumber(""), 0);
    EXPECT_EQ(leadingWholeNumber("   size"), 0);
}
