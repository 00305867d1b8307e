// Writing a sound as a 16-bit stereo wave file, the only form the game loads.
#pragma once

#include <filesystem>
#include <vector>

#include "synth.h"

namespace zelvo::soundgen {

// The whole file: RIFF header, then each mono sample put in both channels.
std::vector<char> wavbytes(const Samples& mono);

// Writes beside `path` and renames into place, so an interrupted build never leaves a
// half-written file the game would try to play. Throws std::runtime_error naming the file.
void writewav(const std::filesystem::path& path, const Samples& mono);

}  // namespace zelvo::soundgen
