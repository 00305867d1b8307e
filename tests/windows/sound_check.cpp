// The DirectSound buffers heard through a sink: tests/smoke/windows-sound.sh runs this under
// Wine with ALSA writing everything played to a file, then with no sound device at all.
//
//   zelvo-sound-check play SINK SOUNDS WORK  loads every sound in the game's SOUNDS folder,
//                                           plays its aisle tone through the buffers and
//                                           reads what reached SINK (16-bit stereo)
//   zelvo-sound-check no-device              expects opening to fail; prints the message
//                                           the player is shown, built from the reason
//
// Each check prints "ok ..." or "FAIL ..."; the status is the number of failures.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/dsound_mixer.h"
#include "platform/win32/wave_file.h"
#include "platform/win32/wide.h"
#include "sound/sound.h"

namespace zelvo {
namespace {

int failures = 0;

void say(bool good, const std::string& what) {
    std::printf("%s %s\n", good ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
    if (!good) ++failures;
}

// The reason a call gave, or "" when it did not throw.
std::string reasonof(const std::function<void()>& call) {
    try {
        call();
    } catch (const PlatformError& e) {
        return e.what();
    }
    return "";
}

bool startswith(const std::string& text, const std::string& head) {
    return text.compare(0, head.size(), head) == 0;
}

// A window of the check's own for the cooperative level; message-only, so no display is
// needed.
HWND makewindow() {
    return CreateWindowExW(0, L"STATIC", L"Zelvo sound check", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           nullptr, nullptr);
}

std::uint64_t sinksize(const std::string& file) {
    WIN32_FILE_ATTRIBUTE_DATA facts{};
    if (!GetFileAttributesExW(widen(file).c_str(), GetFileExInfoStandard, &facts)) return 0;
    return (std::uint64_t(facts.nFileSizeHigh) << 32) | facts.nFileSizeLow;
}

struct Level {
    double left = 0;  // root mean square of each side over the stretch, full scale 32768
    double right = 0;
    double loudest() const { return std::max(left, right); }
};

// Plays a buffer and measures what the sink received from the moment of the play: the
// sink is written ahead of time, so everything after its present end is this sound and
// the silence around it. Waits until the sink holds the sound's length and more.
Level heard(DirectSoundMixer& mixer, int buffer, const std::string& sink, double seconds) {
    const std::uint64_t from = sinksize(sink) / 4 * 4;
    mixer.play(buffer, false);
    const std::uint64_t enough = from + static_cast<std::uint64_t>((seconds + 0.3) * 48000) * 4;
    for (int waited = 0; waited < 5000 && sinksize(sink) < enough; waited += 50) Sleep(50);
    Sleep(static_cast<DWORD>(seconds * 1000) + 300);  // and the sound itself ends
    std::ifstream in(std::filesystem::path(widen(sink)), std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    double left = 0, right = 0;
    const std::size_t frames = bytes.size() / 4;
    for (std::size_t i = 0; i < frames; ++i) {
        const auto sample = [&](std::size_t at) {
            return static_cast<double>(
                static_cast<std::int16_t>(static_cast<unsigned char>(bytes[at]) |
                                          (static_cast<unsigned char>(bytes[at + 1]) << 8)));
        };
        left += sample(4 * i) * sample(4 * i);
        right += sample(4 * i + 2) * sample(4 * i + 2);
    }
    // Over the sound's own length, so silence around it does not dilute the figures.
    const double n = seconds * 48000;
    return {std::sqrt(left / n), std::sqrt(right / n)};
}

// How long a wave file sounds.
double lengthof(const std::string& file) {
    std::ifstream in(std::filesystem::path(widen(file)), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const WaveSound sound = readwave(bytes);
    return static_cast<double>(sound.dataBytes) / (sound.rate * sound.channels * sound.bits / 8);
}

std::string figures(const Level& l) {
    char text[64];
    std::snprintf(text, sizeof text, "(left %.0f, right %.0f)", l.left, l.right);
    return text;
}

// Every sound the build makes, in the form the buffers take.
void loadeverysound(DirectSoundMixer& mixer, const std::string& sounds) {
    int loaded = 0;
    std::string refused;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(widen(sounds))) {
        if (entry.path().extension() != L".wav") continue;
        const std::string why = reasonof([&] { mixer.load(0, narrow(entry.path().wstring())); });
        if (why.empty()) {
            ++loaded;
        } else {
            refused += "; " + why;
        }
    }
    say(loaded > 50 && refused.empty(),
        "all " + std::to_string(loaded) + " of the game's sounds load" + refused);
}

int play(const std::string& sink, const std::string& sounds, const std::string& work) {
    const std::string sound = sounds + "/game/1.wav";
    DirectSoundMixer mixer;
    const std::string unopened = reasonof([&] { mixer.load(2, sound); });
    say(unopened == "the sound device is not open",
        "a load before opening is refused: " + unopened);
    mixer.open(makewindow(), 50);
    say(true, "the sound device opened");
    loadeverysound(mixer, sounds);
    const double seconds = lengthof(sound);

    // A sale in an aisle: to the right, as the game pans it.
    mixer.load(2, sound);
    mixer.setVolume(2, 0);
    mixer.setPan(2, 3000);
    const Level right = heard(mixer, 2, sink, seconds);
    say(right.right > 1000 && right.right > 10 * right.left,
        "pan +3000 is heard on the right " + figures(right));
    mixer.setPan(2, -3000);
    const Level left = heard(mixer, 2, sink, seconds);
    say(left.left > 1000 && left.left > 10 * left.right,
        "pan -3000 is heard on the left " + figures(left));

    // Volume: -2000 is 20 dB, a tenth of the level.
    mixer.setPan(2, 0);
    const Level full = heard(mixer, 2, sink, seconds);
    mixer.setVolume(2, -2000);
    const Level quiet = heard(mixer, 2, sink, seconds);
    const double ratio = full.loudest() / std::max(quiet.loudest(), 1.0);
    say(std::abs(full.left - full.right) < 0.05 * full.loudest(),
        "pan 0 is even on both sides " + figures(full));
    say(ratio > 7 && ratio < 14,
        "volume -2000 is a tenth of volume 0 " + figures(quiet) + " against " + figures(full));
    // The device's own range holds what lies beyond it.
    mixer.setVolume(2, -20000);
    const Level silent = heard(mixer, 2, sink, seconds);
    say(silent.loudest() < 2, "volume -20000 is held at the device's silence " + figures(silent));

    // A failed load leaves the buffer's sound, as the game expects of it.
    const std::string damaged = work + "/damaged.wav";
    std::ofstream(std::filesystem::path(widen(damaged)), std::ios::binary)
        << std::string("RIFF\x0E\0\0\0WAVEfmt \x10\0\0\0\x01\0", 22);  // cut in its format
    const std::string missing = work + "/missing.wav";
    const std::string bad = reasonof([&] { mixer.load(2, damaged); });
    say(bad == damaged + ": its format chunk is cut short", "a damaged file is refused: " + bad);
    const std::string gone = reasonof([&] { mixer.load(2, missing); });
    say(startswith(gone, missing + ": "), "a missing file is refused: " + gone);
    mixer.setVolume(2, 0);
    const Level kept = heard(mixer, 2, sink, seconds);
    say(std::abs(kept.loudest() - full.loudest()) < 0.1 * full.loudest(),
        "after the failed loads the buffer still plays its sound " + figures(kept));

    // A name beyond ASCII, as a player's own sounds folder may have: the game's UTF-8 must
    // reach the file system as the name it is.
    const std::string named = work + "/Zv\xC3\xBCk \xE5\x8C\x97.wav";
    std::filesystem::copy_file(std::filesystem::path(widen(sound)),
                               std::filesystem::path(widen(named)));
    const std::string unnamed = reasonof([&] { mixer.load(3, named); });
    say(unnamed.empty(),
        "a sound named beyond ASCII loads" + (unnamed.empty() ? "" : ": " + unnamed));
    // Shorter than the smallest buffer DirectSound makes: one 8-bit mono frame.
    const std::string tiny = work + "/tiny.wav";
    std::ofstream(std::filesystem::path(widen(tiny)), std::ios::binary) << std::string(
        "RIFF\x26\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0"
        "\x22\x56\0\0\x01\0\x08\0data\x01\0\0\0\xC0\0",
        46);
    const std::string small = reasonof([&] { mixer.load(4, tiny); });
    say(small.empty(), "a sound of one frame loads" + (small.empty() ? "" : ": " + small));

    const std::string beyond = reasonof([&] { mixer.play(50, false); });
    say(beyond == "there is no sound buffer 50", "buffer 50 of 50 is refused: " + beyond);
    // A buffer never loaded plays nothing and says nothing: its file was missing.
    say(reasonof([&] { mixer.play(7, false); }).empty(), "an empty buffer plays nothing");
    mixer.close();
    return failures;
}

int nodevice() {
    DirectSoundMixer mixer;
    const std::string reason = reasonof([&] { mixer.open(makewindow(), 50); });
    // For the script to compare word for word.
    std::printf("%s\n", nodevicemessage(reason).c_str());
    return reason.empty() ? 1 : 0;
}

}  // namespace
}  // namespace zelvo

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    try {
        if (mode == "play" && argc == 5) return zelvo::play(argv[2], argv[3], argv[4]);
        if (mode == "no-device" && argc == 2) return zelvo::nodevice();
    } catch (const std::exception& e) {
        std::printf("FAIL %s\n", e.what());
        return 1;
    }
    std::fprintf(stderr, "usage: zelvo-sound-check play SINK SOUND WORK | no-device\n");
    return 2;
}
