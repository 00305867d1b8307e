// The game's sounds as pure functions: mono 16-bit samples at 22050 Hz, nothing written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zelvo::soundgen {

constexpr int kRate = 22050;

using Samples = std::vector<std::int16_t>;

// The tone of aisle `n`, 1 to 50: one semitone higher for each aisle.
// Throws std::out_of_range for any other `n`.
Samples aisletone(int n);

// `count` short rising beeps, 1 to 4: the stand-in for a spoken output cue when no voice
// can be had. Throws std::out_of_range for any other `count`.
Samples cuebeeps(int count);

// A sound by its file name without ".wav": "arrows", "enter", "pause", "tick", "coin1",
// "award", "17" and the rest of the game's own sounds (the spoken cues are not here).
// Throws std::invalid_argument, naming it, for a name no sound has.
Samples sound(const std::string& name);

}  // namespace zelvo::soundgen
