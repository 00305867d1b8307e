// Money, month and date texts.
#include <gtest/gtest.h>

#include "speech/money.h"

namespace zelvo {
namespace {

TEST(Showmoney, FormatsAmountsAsTheGameSpeaksThem) {
    const struct {
        double amount;
        const char* text;
    } cases[] = {
        {25000, "$25,000.00"},
        {7.25, "$7.25"},
        {0, "$0.00"},
        {1234567.891, "$1,234,567.89"},
        {-1234.5, "minus $1,234.50"},
        {-0.004, "minus $0.00"},
        {999.999, "$1,000.00"},
        {100, "$100.00"},
        {1000, "$1,000.00"},
        {-1000000, "minus $1,000,000.00"},
        // Halves of a cent go to the even cent.
        {0.125, "$0.12"},
        {0.375, "$0.38"},
        {-2.5e-3, "minus $0.00"},
        {4.50 * 0.95, "$4.28"},  // 4.275, held as 4.27499...
    };
    for (const auto& c : cases) EXPECT_EQ(showmoney(c.amount), c.text) << c.amount;
}

TEST(Saymonth, NamesMonthsOneToTwelveOnly) {
    EXPECT_EQ(saymonth(1), "January");
    EXPECT_EQ(saymonth(9), "September");
    EXPECT_EQ(saymonth(12), "December");
    EXPECT_EQ(saymonth(0), "");
    EXPECT_EQ(saymonth(13), "");
    EXPECT_EQ(spokendate(3, 12, 2025), "March 12, 2025.");
    EXPECT_EQ(spokendate(0, 1, 12345), " 1, 12345.");
}

}  // namespace
}  // namespace zelvo
