// One started game, kept for the whole fuzzing run, and a way to put the input in its folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "support/started_game.h"

namespace zelvo::fuzzing {

inline testing::StartedGame& game() {
    static testing::StartedGame instance;
    return instance;
}

inline void writeinput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    game().folder.write(name, std::string(reinterpret_cast<const char*>(data), size));
}

}  // namespace zelvo::fuzzing
