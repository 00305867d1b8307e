// Reading a RIFF/WAVE file's PCM sound from its bytes, for a sound buffer to be made of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace zelvo {

// Why the bytes are not a sound that can be played, in words for the debug log.
class WaveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The sound's format and where its samples lie in the bytes it was read from.
struct WaveSound {
    int channels = 0;  // 1 or 2
    int rate = 0;      // frames a second
    int bits = 0;      // 8 (unsigned) or 16 (signed) per sample
    std::size_t dataOffset = 0;
    std::size_t dataBytes = 0;  // whole frames only, never 0
};

// The frame rates a sound may have, as a sound device takes them.
inline constexpr int kWaveMinRate = 100;
inline constexpr int kWaveMaxRate = 200000;

// Chunks may come in any order and unknown ones are skipped. A data chunk that claims more
// than the file holds (a file cut short, or written by a program that never went back to
// set its length) gives the whole frames that are there. Throws WaveError for anything
// that is not 8- or 16-bit PCM in one or two channels, or that holds no sound.
WaveSound readwave(std::string_view bytes);

}  // namespace zelvo
