// One started game, kept for the whole fuzzing run and put back as it started before each
// input, and a way to put the input in its folder.
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

// The game as it started, so that every input meets the same game whatever the one before
// it did: the same state, the same random draws, nothing left to say.
inline testing::StartedGame& freshgame() {
    auto& started = game();
    static const GameState state = started.z.s;
    static const Random rng = started.z.rng;
    started.z.s = state;
    started.z.rng = rng;
    started.z.autosavefailed = false;
    started.take();
    return started;
}

inline void writeinput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    game().folder.write(name, std::string(reinterpret_cast<const char*>(data), size));
}

}  // namespace zelvo::fuzzing
