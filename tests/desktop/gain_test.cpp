// Checks the gain law that turns a buffer's volume and pan into the mixer's stereo levels.
#include "platform/sdl/gain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelvo {
namespace {

struct GainCase {
    double volume;
    double pan;
    double left;
    double right;
};

TEST(StereoGain, FollowsTheDecibelLawOnEachSide) {
    const GainCase cases[] = {
        {0, 0, 1.0, 1.0},
        {-2000, 0, 0.1, 0.1},
        {0, 10000, 1e-5, 1.0},
        {0, -2000, 1.0, 0.1},
        // Volume and pan add on the far side only.
        {-1000, 2000, std::pow(10.0, -1.5), std::pow(10.0, -0.5)},
        {-5000, -10000, std::pow(10.0, -2.5), std::pow(10.0, -7.5)},
    };
    for (const GainCase& c : cases) {
        const StereoGain g = stereoGain(c.volume, c.pan);
        EXPECT_NEAR(g.left / c.left, 1.0, 1e-9) << "volume " << c.volume << " pan " << c.pan;
        EXPECT_NEAR(g.right / c.right, 1.0, 1e-9) << "volume " << c.volume << " pan " << c.pan;
    }
}

TEST(StereoGain, PanningLevelRoundsAndClamps) {
    const struct {
        double gain;
        int level;
    } cases[] = {
        {1.0, 255}, {0.1, 26},  {1e-5, 0}, {0.5, 128},
        {0.0, 0},   {2.0, 255}, {-1.0, 0}, {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(panningLevel(c.gain), c.level) << "gain " << c.gain;
}

}  // namespace
}  // namespace zelvo
