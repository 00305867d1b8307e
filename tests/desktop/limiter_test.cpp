// Checks that the mix never reaches full scale and that its sounds keep their volumes.
#include "platform/sdl/limiter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zelvo {
namespace {

TEST(Limiter, OverlappingSoundsNeverReachFullScale) {
    const int rate = 22050;
    // Each case: how many sounds overlap, at which linear level each, and their pan.
    const struct {
        const char* name;
        int sounds;
        double level;
        double left;
        double right;
    } cases[] = {
        {"one loud sound alone is left as it is", 1, 0.9, 1.0, 1.0},
        {"two loud sounds", 2, 0.9, 1.0, 1.0},
        {"statement, alarm and award at once", 3, 1.0, 1.0, 1.0},
        {"three sounds from the left", 3, 1.0, 1.0, 0.1},
        {"quiet sounds add up below the ceiling", 3, 0.3, 1.0, 1.0},
    };
    for (const auto& c : cases) {
        Limiter limiter(rate);
        std::vector<float> mix;
        for (int i = 0; i < rate / 2; ++i) {
            const double s = c.sounds * c.level * std::sin(2 * M_PI * 440 * i / rate);
            mix.push_back(static_cast<float>(s * c.left));
            mix.push_back(static_cast<float>(s * c.right));
        }
        const std::vector<float> before = mix;
        limiter.run(mix.data(), rate / 2);
        float peak = 0;
        for (std::size_t i = 0; i < mix.size(); i += 2) {
            peak = std::max({peak, std::fabs(mix[i]), std::fabs(mix[i + 1])});
            // One gain for both sides: the pan stays what the game set.
            if (std::fabs(before[i]) > 1e-3f) {
                EXPECT_NEAR(mix[i + 1] / mix[i], before[i + 1] / before[i], 1e-4) << c.name;
            }
        }
        EXPECT_LE(peak, Limiter::kCeiling + 1e-6f) << c.name;
        const double unlimited = c.sounds * c.level * std::max(c.left, c.right);
        if (unlimited <= Limiter::kCeiling) {
            EXPECT_NEAR(peak, unlimited, 1e-3) << c.name << ": nothing to limit";
        } else {
            EXPECT_GT(peak, 0.9f) << c.name << ": limited to the ceiling, not below";
        }
    }
}

TEST(Limiter, RecoversAfterTheLoudStretch) {
    const int rate = 22050;
    Limiter limiter(rate);
    std::vector<float> loud(2 * 100, 2.0f);
    limiter.run(loud.data(), 100);
    EXPECT_NEAR(limiter.gain(), Limiter::kCeiling / 2, 1e-6);
    std::vector<float> quiet(2 * rate, 0.1f);  // one second
    limiter.run(quiet.data(), rate);
    EXPECT_GT(limiter.gain(), 0.99f);
    EXPECT_NEAR(quiet.back(), 0.1f, 1e-3);
}

}  // namespace
}  // namespace zelvo
