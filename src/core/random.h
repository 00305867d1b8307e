// The game's one random generator, identical on every standard library.
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <stdexcept>

namespace zelvo {

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
    std::mt19937_64 engine_;
    std::deque<double> scripted_;
    bool scripting_ = false;
};

}  // namespace zelvo
