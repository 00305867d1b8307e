// The mix's limiter: one gain for every sound at once, lowered just enough that the sum
// never reaches full scale.
#pragma once

#include <algorithm>
#include <cmath>

namespace zelvo {

// The mixer adds its channels in floating point, so overlapping sounds can sum past full
// scale; this brings such a stretch down before it reaches the device, where it would
// clip. The same gain applies to both sides and every sound in the mix, so the volumes
// and pans the game sets keep their relations. It falls at once (no sample may get
// through too loud) and recovers over about 0.2 seconds.
class Limiter {
public:
    // The highest level let through, just below full scale.
    static constexpr float kCeiling = 0.98f;

    explicit Limiter(int rate) : recovery_(1.0f - std::exp(-1.0f / (0.2f * float(rate)))) {}

    // Interleaved stereo frames, changed in place.
    void run(float* samples, int frames) {
        for (int i = 0; i < frames; ++i) {
            float* frame = samples + 2 * i;
            const float peak = std::max(std::fabs(frame[0]), std::fabs(frame[1]));
            const float needed = peak > kCeiling ? kCeiling / peak : 1.0f;
            gain_ = needed < gain_ ? needed : gain_ + (1.0f - gain_) * recovery_;
            gain_ = std::min(gain_, needed);
            frame[0] *= gain_;
            frame[1] *= gain_;
        }
    }
    float gain() const { return gain_; }

private:
    float recovery_;
    float gain_ = 1.0f;
};

}  // namespace zelvo
