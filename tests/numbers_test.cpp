// Rounding: halves are decided on the decimal figure, not on the nearest binary fraction;
// plain decimal text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "core/numbers.h"
#include "persist/textfile.h"

namespace zelvo {
namespace {

TEST(Rounding, HalfCentsOfDecimalProductsGoToTheEvenCent) {
    const struct {
        const char* what;
        double product, cents;
    } cases[] = {
        {"4.50 x 0.95", 4.50 * 0.95, 4.28},                   // 4.275, held as 4.27499...
        {"8.30 x 0.95", 8.30 * 0.95, 7.88},                   // 7.885
        {"26.40 at 2.5%", 26.40 * (2.5 / 100 / 12), 0.06},    // 0.055
        {"261.60 at 2.5%", 261.60 * (2.5 / 100 / 12), 0.54},  // 0.545
        {"10.00 x 0.95", 10.00 * 0.95, 9.50},
        {"12,345.67 x 0.8", 12345.67 * 0.8, 9876.54},
        {"100,000 at 2.5%", 100000 * (2.5 / 100 / 12), 208.33},
        {"a loss of 4.275", -4.50 * 0.95, -4.28},
        {"a half cent", 0.005, 0},
        {"three half cents", 0.015, 0.02},
        {"large", 123456789.125, 123456789.12},
        {"far beyond a game", 1e300, 1e300},
    };
    for (const auto& c : cases) EXPECT_EQ(roundcents(c.product), c.cents) << c.what;
}

TEST(Rounding, WholeNumbersAndMillisecondsHalvesToEven) {
    EXPECT_EQ(roundeven(2.5), 2);
    EXPECT_EQ(roundeven(3.5), 4);
    EXPECT_EQ(roundeven(-2.5), -2);
    EXPECT_EQ(roundeven(0.0125 * 1000), 12);  // 12.5 ms, held as 12.50000000000000069
    EXPECT_EQ(roundeven(0.0135 * 1000), 14);
    EXPECT_TRUE(std::isnan(roundeven(std::nan(""), 2)));
}

// Plain decimals: no exponent, no trailing zeros, and every figure of a large number.
TEST(Numtext, WritesPlainDecimals) {
    const struct {
        double x;
        std::string text;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {3, "3"},
        {2.5, "2.5"},
        {-12.75, "-12.75"},
        {0.1 + 0.2, "0.3"},
        {123456789.125, "123456789.125"},
        {1e-5, "0.00001"},
        {1e-20, "0"},
        {1e16, "10000000000000000"},
        // Beyond 15 figures, the double's own value, whole: never cut short.
        {1e60, "999999999999999949387135297074018866963645011013410073083904"},
    };
    for (const auto& c : cases) EXPECT_EQ(numtext(c.x), c.text) << c.text;
}

// Figures as the game meets them, against what 15 significant figures of printf give where
// they need no exponent: whole numbers, cents, cents times a rate, and odd fractions.
TEST(Numtext, AgreesWithFifteenFiguresOfPrintf) {
    std::mt19937_64 random(7);
    auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    int compared = 0;
    for (int n = 0; n < 200000; ++n) {
        double x = 0;
        switch (n % 5) {
        case 0:
            x = std::trunc(uniform(-1e15, 1e15) / std::pow(10, n % 14));
            break;
        case 1:
            x = std::round(uniform(-1e9, 1e9)) / 100;
            break;
        case 2:
            x = std::round(uniform(0, 1e7)) / 100 * 0.95;
            break;
        case 3:
            x = uniform(-1, 1) * std::pow(10, n % 19 - 5);
            break;
        default:
            x = 1.0 / (n % 997 + 1) + n;
            break;
        }
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.15g", x);
        if (x == 0 || std::string(expected).find('e') != std::string::npos) continue;
        ASSERT_EQ(numtext(x), expected) << n;
        ++compared;
    }
    EXPECT_GT(compared, 150000);
}

// A saved number: a blank for the sign when it is not negative, the shortest decimal that
// reads back to the same double, and a blank.
TEST(Numberline, WritesTheShortestDecimalThatReadsBack) {
    const struct {
        double x;
        std::string line;
    } cases[] = {
        {0, " 0 "},
        {-0.0, " -0 "},
        {7, " 7 "},
        {-40, "-40 "},
        {9007199254740991, " 9007199254740991 "},  // the last whole number below 2^53
        {9007199254740992, " 9007199254740992 "},
        {1e20, " 100000000000000000000 "},
        {-1e22, "-10000000000000000000000 "},
        {7.25, " 7.25 "},
        {0.1 + 0.2, " 0.30000000000000004 "},
        {-0.5, "-0.5 "},
        {1e-7, " 0.0000001 "},
        {std::numeric_limits<double>::quiet_NaN(), " 0 "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numberline(c.x), c.line) << c.line;
        if (std::isfinite(c.x)) {
            EXPECT_EQ(numberfield(numberline(c.x)), c.x) << c.line;
        }
    }
}

}  // namespace
}  // namespace zelvo
