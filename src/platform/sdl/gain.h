// The sound buffers' gain law: a volume and a pan turned into left and right gains.
#pragma once

#include <algorithm>
#include <cmath>

namespace zelvo {

struct StereoGain {
    double left;
    double right;
};

// Volume in hundredths of a decibel; pan from -10000 (left) to 10000 (right). Panning
// attenuates the opposite side by |pan|/100 dB and leaves the near side alone.
inline StereoGain stereoGain(double volume, double pan) {
    return {std::pow(10.0, (volume - std::max(pan, 0.0)) / 2000.0),
            std::pow(10.0, (volume + std::min(pan, 0.0)) / 2000.0)};
}

// A gain as the mixer's 0..255 panning level; out-of-range gains are clamped rather than
// wrapped, so a loud request cannot turn into a near-silent one.
inline int panningLevel(double gain) {
    if (!(gain > 0.0)) return 0;  // also catches NaN
    return static_cast<int>(std::lround(std::min(gain, 1.0) * 255.0));
}

}  // namespace zelvo
