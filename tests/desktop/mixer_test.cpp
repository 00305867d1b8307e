// Plays overlapping loud sounds through the real mixer into SDL's disk driver and checks
// what reaches the device.
#include "platform/sdl/mixer.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zelvo {
namespace {

namespace fs = std::filesystem;

// A mono 16-bit wave file of a tone at `level` of full scale.
void writeTone(const std::string& path, double hz, double level, double seconds) {
    const int rate = 22050;
    const auto frames = static_cast<std::uint32_t>(rate * seconds);
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out << "RIFF";
    u32(36 + frames * 2);
    out << "WAVEfmt ";
    u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
    out << "data";
    u32(frames * 2);
    for (std::uint32_t i = 0; i < frames; ++i)
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(
            std::lround(32767 * level * std::sin(2 * M_PI * hz * i / rate)))));
}

TEST(Mixer, OverlappingSoundsDoNotClip) {
    const fs::path dir = fs::temp_directory_path() / ("zelvo-mixer-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string recording = (dir / "audio.raw").string();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", recording.c_str(), 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_TIMER), 0);

    const double tones[][2] = {{440, 0.9}, {554, 0.9}, {659, 0.9}};
    SDL_AudioFormat format = 0;
    {
        Mixer mixer;
        ASSERT_NO_THROW(mixer.open(3));
        int rate = 0, channels = 0;
        Mix_QuerySpec(&rate, &format, &channels);
        for (int b = 0; b < 3; ++b) {
            const std::string file = (dir / ("tone" + std::to_string(b) + ".wav")).string();
            writeTone(file, tones[b][0], tones[b][1], 0.3);
            mixer.load(b, file);
            mixer.setVolume(b, 0);
            mixer.setPan(b, b == 0 ? -2000 : 0);
        }
        for (int b = 0; b < 3; ++b) mixer.play(b, false);
        SDL_Delay(700);
        mixer.close();
    }
    SDL_Quit();
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");

    std::ifstream in(recording, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    fs::remove_all(dir);
    std::vector<double> samples;  // as fractions of full scale
    if (format == AUDIO_F32SYS) {
        for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
            float f;
            std::memcpy(&f, &bytes[i], 4);
            samples.push_back(f);
        }
    } else {
        ASSERT_EQ(format, AUDIO_S16SYS);
        for (std::size_t i = 0; i + 2 <= bytes.size(); i += 2) {
            std::int16_t s;
            std::memcpy(&s, &bytes[i], 2);
            samples.push_back(s / 32768.0);
        }
    }
    ASSERT_GT(samples.size(), 22050u) << "the recording holds the sounds";
    int clipped = 0;
    double peak = 0;
    for (double s : samples) {
        peak = std::max(peak, std::fabs(s));
        if (std::fabs(s) >= 0.999) ++clipped;
    }
    EXPECT_EQ(clipped, 0) << "samples at full scale";
    EXPECT_GT(peak, 0.9) << "the mix is limited, not made quiet";
}

}  // namespace
}  // namespace zelvo
