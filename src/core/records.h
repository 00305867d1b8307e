// The sound and language records the context owns beside the game state.
#pragma once

#include <array>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zelvo {

// The Sound record: the device and its 50 buffers live in the platform.
struct Sound {
    static constexpr int kBuffers = 50;
    int lastbuffer = kBuffers - 1;
    int nextbuffer = 0;  // the pool buffer used last
    bool deviceopen = false;
    std::array<bool, kBuffers> loaded{};  // which buffers hold a sound
    // Each sound file the game asked for, by its path under the sound folder, and where it
    // was found; an empty place when it is missing (and the log has said so).
    std::unordered_map<std::string, std::string> located;
};

// The Language record: phrases and their translations, in file order.
struct Language {
    int count = 0;
    std::vector<std::pair<std::string, std::string>> phrases;
    bool grewtoolong = false;  // a text outgrew its bound, and the log has said so
};

}  // namespace zelvo
