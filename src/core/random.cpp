// The Mersenne twister's seeding and the renewal of its state, every 312 numbers.
#include "core/random.h"

namespace zelvo {

namespace {

constexpr std::size_t kShift = 156;
constexpr std::uint64_t kMatrix = 0xB5026F5AA96619E9;
constexpr std::uint64_t kUpper = 0xFFFFFFFF80000000;  // the top 33 bits
constexpr std::uint64_t kLower = 0x7FFFFFFF;          // the low 31 bits

// One word of the renewed state from the two words it joins and the word kShift ahead.
std::uint64_t twist(std::uint64_t word, std::uint64_t following, std::uint64_t ahead) {
    const std::uint64_t y = (word & kUpper) | (following & kLower);
    return ahead ^ (y >> 1) ^ ((0 - (y & 1)) & kMatrix);
}

}  // namespace

void Twister::seed(std::uint64_t value) {
    state_[0] = value;
    for (std::size_t i = 1; i < kSize; ++i)
        state_[i] = 6364136223846793005 * (state_[i - 1] ^ (state_[i - 1] >> 62)) + i;
    next_ = kSize;
}

void Twister::regenerate() {
    std::size_t i = 0;
    for (; i < kSize - kShift; ++i) state_[i] = twist(state_[i], state_[i + 1], state_[i + kShift]);
    for (; i < kSize - 1; ++i)
        state_[i] = twist(state_[i], state_[i + 1], state_[i + kShift - kSize]);
    state_[kSize - 1] = twist(state_[kSize - 1], state_[0], state_[kShift - 1]);
    next_ = 0;
}

}  // namespace zelvo
