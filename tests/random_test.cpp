// The game's generator gives, seed for seed, the numbers of the standard 64-bit Mersenne
// twister: a saved seed or a recorded session plays the same game it always did.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "core/random.h"

namespace zelvo {
namespace {

TEST(Twister, GivesTheStandardTwistersNumbersForEverySeed) {
    for (const std::uint64_t seed :
         {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{5489}, std::uint64_t{20300101},
          std::uint64_t{1765361234567890}, ~std::uint64_t{0}}) {
        Twister ours(seed);
        std::mt19937_64 standard(seed);
        // Several renewals of the state, and a seed again part-way through one.
        for (int n = 0; n < 2000; ++n) ASSERT_EQ(ours(), standard()) << seed << ", number " << n;
        ours.seed(seed ^ 0x9E3779B97F4A7C15);
        standard.seed(seed ^ 0x9E3779B97F4A7C15);
        for (int n = 0; n < 700; ++n) ASSERT_EQ(ours(), standard()) << seed << ", reseeded " << n;
    }
    // The library's own check: the 10,000th number of the default seed.
    Twister fresh;
    std::uint64_t number = 0;
    for (int n = 0; n < 10000; ++n) number = fresh();
    EXPECT_EQ(number, 9981545732273789042u);
}

TEST(Random, DrawsAreTheTwistersTopBitsInTheUnitInterval) {
    Random rng;
    rng.seed(42);
    std::mt19937_64 standard(42);
    for (int n = 0; n < 1000; ++n) {
        const double r = rng.draw();
        ASSERT_EQ(r, static_cast<double>(standard() >> 11) / 9007199254740992.0);
        ASSERT_TRUE(r >= 0 && r < 1);
    }
}

}  // namespace
}  // namespace zelvo
