// The game's one random generator, identical on every standard library.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <stdexcept>

namespace zelvo {

// The 64-bit Mersenne twister (MT19937-64), number for number the standard library's
// std::mt19937_64. Written out because the library's turns each bit of chance into a
// branch, which a processor guesses wrong half the time; this one masks. A busy game draws
// millions of numbers.
class Twister {
public:
    explicit Twister(std::uint64_t value = 5489) { seed(value); }
    void seed(std::uint64_t value);
    std::uint64_t operator()() {
        if (next_ >= kSize) regenerate();
        std::uint64_t z = state_[next_++];
        z ^= (z >> 29) & 0x5555555555555555;
        z ^= (z << 17) & 0x71D67FFFEDA60000;
        z ^= (z << 37) & 0xFFF7EEE000000000;
        return z ^ (z >> 43);
    }

private:
    static constexpr std::size_t kSize = 312;
    void regenerate();
    std::array<std::uint64_t, kSize> state_{};
    std::size_t next_ = kSize;
};

class Random {
public:
    void seed(std::uint64_t value) {
        engine_.seed(value);
        scripted_.clear();
        scripting_ = false;
    }

    // Tests hand the game the exact draws it will make; one draw too many is an error.
    void script(std::deque<double> draws) {
        scripted_ = std::move(draws);
        scripting_ = true;
    }
    bool scripted() const { return scripting_; }
    std::size_t scriptleft() const { return scripted_.size(); }

    // A draw uniform in [0, 1).
    double draw() {
        if (scripting_) {
            if (scripted_.empty()) throw std::logic_error("the scripted draws ran out");
            double r = scripted_.front();
            scripted_.pop_front();
            return r;
        }
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }

private:
    Twister engine_;
    std::deque<double> scripted_;
    bool scripting_ = false;
};

}  // namespace zelvo
