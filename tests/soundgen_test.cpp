// The synthesised sounds: the files the game loads, their levels, pitches and failures.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "make-sounds/soundset.h"
#include "make-sounds/synth.h"
#include "make-sounds/wav.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using soundgen::kRate;
using soundgen::Samples;

constexpr double kPi = 3.14159265358979323846;
// -3 dBFS, with a sample of rounding to spare.
constexpr int kLoudest = 23200;

// Read back independently of the writer, so a fault in either shows.
struct WaveFile {
    std::uint16_t format = 0, channels = 0, blockalign = 0, bits = 0;
    std::uint32_t rate = 0, byterate = 0;
    Samples left, right;
};

std::uint32_t little(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

WaveFile readwave(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        throw std::runtime_error("not a RIFF WAVE file");
    if (little(b, 4, 4) + 8 != b.size()) throw std::runtime_error("RIFF size is not the file's");
    WaveFile w;
    bool data = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        std::string id = b.substr(at, 4);
        std::size_t size = little(b, at + 4, 4);
        if (at + 8 + size > b.size()) throw std::runtime_error(id + " chunk runs past the end");
        if (id == "fmt ") {
            w.format = static_cast<std::uint16_t>(little(b, at + 8, 2));
            w.channels = static_cast<std::uint16_t>(little(b, at + 10, 2));
            w.rate = little(b, at + 12, 4);
            w.byterate = little(b, at + 16, 4);
            w.blockalign = static_cast<std::uint16_t>(little(b, at + 20, 2));
            w.bits = static_cast<std::uint16_t>(little(b, at + 22, 2));
        } else if (id == "data") {
            data = true;
            for (std::size_t i = at + 8; i + 4 <= at + 8 + size; i += 4) {
                w.left.push_back(static_cast<std::int16_t>(little(b, i, 2)));
                w.right.push_back(static_cast<std::int16_t>(little(b, i + 2, 2)));
            }
        }
        at += 8 + size + (size & 1);
    }
    if (!data) throw std::runtime_error("no data chunk");
    return w;
}

int peak(const Samples& s) {
    int p = 0;
    for (std::int16_t v : s) p = std::max(p, std::abs(static_cast<int>(v)));
    return p;
}

// Upward zero crossings, placed between samples, counted where the tone is above a tenth
// of its peak; the aisle tones' second harmonic is too weak to add crossings of its own.
double pitch(const Samples& s) {
    const int floor = peak(s) / 10;
    auto loud = [&](std::int16_t v) { return std::abs(static_cast<int>(v)) > floor; };
    const auto from = static_cast<std::size_t>(std::find_if(s.begin(), s.end(), loud) - s.begin());
    const auto to = static_cast<std::size_t>(s.rend() - std::find_if(s.rbegin(), s.rend(), loud));
    std::vector<double> crossings;
    for (std::size_t i = std::max<std::size_t>(from, 1); i < to; ++i) {
        const int a = s[i - 1], b = s[i];
        if (a < 0 && b >= 0)
            crossings.push_back(static_cast<double>(i - 1) + static_cast<double>(-a) / (b - a));
    }
    if (crossings.size() < 3) return 0.0;
    return (static_cast<double>(crossings.size()) - 1.0) / (crossings.back() - crossings.front()) *
           kRate;
}

// The strongest frequency between 100 Hz and 8 kHz, in 25 Hz steps.
double dominant(const Samples& s) {
    double best = 0.0, bestf = 0.0;
    for (double f = 100.0; f <= 8000.0; f += 25.0) {
        double re = 0.0, im = 0.0;
        for (std::size_t i = 0; i < s.size(); ++i) {
            double ph = 2.0 * kPi * f * static_cast<double>(i) / kRate;
            re += s[i] * std::cos(ph);
            im += s[i] * std::sin(ph);
        }
        if (re * re + im * im > best) best = re * re + im * im, bestf = f;
    }
    return bestf;
}

fs::path scratchfolder() {
    static int counter = 0;
    return fs::temp_directory_path() /
           ("zelvo-sounds-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
}

std::vector<std::string> expectedfiles() {
    std::vector<std::string> files;
    for (const char* n : {"arrows", "enter", "SAPI", "NVDA", "WE", "JAWS"})
        files.push_back(std::string("sounds/menu/") + n + ".wav");
    for (const char* n : {"pause", "unpause", "tick", "tock", "previous", "error", "theft", "coin1",
                          "coin2", "coins1", "coins2", "alarm", "saved", "statement", "award"})
        files.push_back(std::string("sounds/game/") + n + ".wav");
    for (int n = 1; n <= 50; ++n) files.push_back("sounds/game/" + std::to_string(n) + ".wav");
    return files;
}

TEST(SoundFolder, HoldsEveryFileAsAQuietCleanStereoWaveUnderTwoSeconds) {
    const fs::path folder = scratchfolder();
    std::ostringstream log;
    soundgen::writesounds(folder, log);

    std::set<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            written.insert(fs::relative(entry.path(), folder).generic_string());
    const std::vector<std::string> expected = expectedfiles();
    EXPECT_EQ(written, std::set<std::string>(expected.begin(), expected.end()));
    const std::vector<std::string> listed = soundgen::soundfiles();
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()),
              std::set<std::string>(expected.begin(), expected.end()));

    for (const std::string& name : expected) {
        SCOPED_TRACE(name);
        WaveFile w;
        ASSERT_NO_THROW(w = readwave(folder / name));
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.channels, 2);
        EXPECT_EQ(w.rate, 22050u);
        EXPECT_EQ(w.byterate, 88200u);
        EXPECT_EQ(w.blockalign, 4);
        EXPECT_EQ(w.bits, 16);
        ASSERT_GT(w.left.size(), static_cast<std::size_t>(kRate / 50));
        EXPECT_EQ(w.left, w.right);
        EXPECT_LT(w.left.size(), static_cast<std::size_t>(2 * kRate));
        EXPECT_LE(peak(w.left), kLoudest);
        EXPECT_GT(peak(w.left), 1000) << "too quiet to hear";
        // Ends that stop short of silence click when played.
        EXPECT_LT(std::abs(w.left.front()) + std::abs(w.left.back()), 200);
    }
    fs::remove_all(folder);
}

TEST(AisleTones, EachAisleIsHigherThanTheOneBeforeAndStaysInAComfortableRange) {
    double previous = 0.0;
    for (int n = 1; n <= 50; ++n) {
        SCOPED_TRACE("aisle " + std::to_string(n));
        double f = pitch(soundgen::aisletone(n));
        EXPECT_GT(f, previous * 1.04) << "under a semitone above the aisle before";
        EXPECT_GT(f, 100.0);
        EXPECT_LT(f, 2500.0);
        previous = f;
    }
    EXPECT_NEAR(pitch(soundgen::sound("13")), pitch(soundgen::aisletone(13)), 0.01);
}

TEST(ClockSounds, TickIsFarHigherThanTock) {
    const double tick = dominant(soundgen::sound("tick"));
    const double tock = dominant(soundgen::sound("tock"));
    EXPECT_GT(tick, 2.0 * tock) << "tick " << tick << " Hz, tock " << tock << " Hz";
}

TEST(CueBeeps, TheBeepsCountTheOutput) {
    for (int count = 1; count <= 4; ++count) {
        const Samples s = soundgen::cuebeeps(count);
        const int loud = peak(s) / 10;
        // A beep starts where sound rises above a tenth of the peak after 20 ms of quiet.
        int beeps = 0;
        std::size_t quiet = kRate;
        for (std::int16_t v : s) {
            if (std::abs(static_cast<int>(v)) > loud) {
                if (quiet >= static_cast<std::size_t>(kRate / 50)) ++beeps;
                quiet = 0;
            } else {
                ++quiet;
            }
        }
        EXPECT_EQ(beeps, count);
    }
}

TEST(SoundErrors, BadRequestsAndUnwritableFilesSayWhatWasWrong) {
    struct Case {
        const char* what;
        std::function<void()> call;
        const char* mentions;
    };
    const fs::path folder = scratchfolder();
    fs::create_directories(folder);
    std::ofstream(folder / "blocker") << "a file, not a folder";
    const Case cases[] = {
        {"aisle 0", [] { soundgen::aisletone(0); }, "0"},
        {"aisle 51", [] { soundgen::aisletone(51); }, "51"},
        {"five beeps", [] { soundgen::cuebeeps(5); }, "5"},
        {"unknown name", [] { soundgen::sound("bell"); }, "bell"},
        {"empty name", [] { soundgen::sound(""); }, "\"\""},
        {"aisle 51 by name", [] { soundgen::sound("51"); }, "51"},
        {"leading zero", [] { soundgen::sound("07"); }, "07"},
        {"missing folder",
         [&] { soundgen::writewav(folder / "none" / "x.wav", soundgen::aisletone(1)); },
         "none/x.wav"},
        {"file in the way",
         [&] {
             std::ostringstream log;
             soundgen::writesounds(folder / "blocker", log);
         },
         "blocker"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.call();
            ADD_FAILURE() << "no exception";
        } catch (const std::exception& e) {
            EXPECT_NE(std::string(e.what()).find(c.mentions), std::string::npos) << e.what();
        }
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace zelvo
