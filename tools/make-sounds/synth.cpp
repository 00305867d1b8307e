// How each of the game's sounds is built from sines, glides and a little shaped noise.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>

namespace zelvo::soundgen {

namespace {

using Wave = std::vector<double>;

constexpr double kPi = 3.14159265358979323846;
// Partials above this would fold back below the Nyquist frequency as harsh aliases.
constexpr double kHighest = 0.45 * kRate;

std::size_t frames(double seconds) {
    return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * kRate));
}

double db(double decibels) {
    return std::pow(10.0, decibels / 20.0);
}

double semitones(double base, double steps) {
    return base * std::pow(2.0, steps / 12.0);
}

// One mode of a note; `tau` is its own decay time constant, 0 to follow the note's.
struct Partial {
    double ratio = 1.0;
    double amp = 1.0;
    double tau = 0.0;
};

struct Note {
    double freq = 440.0;
    double length = 0.2;
    double attack = 0.005;
    double tau = 0.0;  // exponential decay time constant; 0 holds the level
    double release = 0.01;
    std::vector<Partial> partials{{1.0, 1.0, 0.0}};
    double vibratorate = 0.0;
    double vibratodepth = 0.0;  // as a fraction of the frequency
};

// A raised-cosine ramp, so that starts and ends never jump.
double ramp(double x) {
    if (x <= 0.0) return 0.0;
    if (x >= 1.0) return 1.0;
    return 0.5 - 0.5 * std::cos(kPi * x);
}

double shape(double t, double length, double attack, double release) {
    double in = attack > 0.0 ? ramp(t / attack) : 1.0;
    double out = release > 0.0 ? ramp((length - t) / release) : 1.0;
    return in * out;
}

// Frequency is given per sample so glides and vibrato keep their phase continuous.
Wave voice(const Note& n, const std::function<double(double)>& freqat) {
    Wave w(frames(n.length), 0.0);
    std::vector<double> phase(n.partials.size(), 0.0);
    for (std::size_t i = 0; i < w.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double f = freqat(t);
        if (n.vibratodepth > 0.0)
            f *= 1.0 + n.vibratodepth * std::sin(2.0 * kPi * n.vibratorate * t);
        double env = shape(t, n.length, n.attack, n.release);
        if (n.tau > 0.0) env *= std::exp(-t / n.tau);
        double v = 0.0;
        for (std::size_t k = 0; k < n.partials.size(); ++k) {
            const Partial& p = n.partials[k];
            double pf = f * p.ratio;
            if (pf >= kHighest) continue;
            double a = p.amp;
            if (p.tau > 0.0) a *= std::exp(-t / p.tau);
            v += a * std::sin(phase[k]);
            phase[k] += 2.0 * kPi * pf / kRate;
        }
        w[i] = v * env;
    }
    return w;
}

Wave note(const Note& n) {
    return voice(n, [&](double) { return n.freq; });
}

// An exponential sweep from the note's frequency to `to`.
Wave glide(const Note& n, double to) {
    return voice(n, [&](double t) { return n.freq * std::pow(to / n.freq, t / n.length); });
}

// Every harmonic of `f` the sample rate can hold, each at 1/k, or only the odd ones.
std::vector<Partial> harmonics(double f, bool oddonly, int most) {
    std::vector<Partial> out;
    for (int k = 1; k <= most && k * f < kHighest; k += oddonly ? 2 : 1)
        out.push_back({static_cast<double>(k), 1.0 / k, 0.0});
    return out;
}

// Filtered noise from a fixed seed, so every build writes the same bytes.
Wave noise(double length, double tau, double smooth, bool bright, std::uint32_t seed) {
    Wave w(frames(length), 0.0);
    std::uint32_t x = seed;
    double low = 0.0;
    for (std::size_t i = 0; i < w.size(); ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        double white = static_cast<double>(x) / 2147483648.0 - 1.0;
        low += smooth * (white - low);
        double t = static_cast<double>(i) / kRate;
        w[i] = (bright ? white - low : low) * std::exp(-t / tau) * shape(t, length, 0.0005, 0.005);
    }
    return w;
}

void mix(Wave& into, const Wave& w, double at, double gain = 1.0) {
    std::size_t start = frames(at);
    if (into.size() < start + w.size()) into.resize(start + w.size(), 0.0);
    for (std::size_t i = 0; i < w.size(); ++i) into[start + i] += gain * w[i];
}

// Scales to the wanted peak and fades both ends, so nothing clips or clicks when played.
Samples finish(Wave w, double peakdb) {
    double peak = 0.0;
    for (double v : w) peak = std::max(peak, std::abs(v));
    Samples out(w.size(), 0);
    if (peak <= 0.0) return out;
    double scale = db(peakdb) * 32767.0 / peak;
    std::size_t fadein = std::min(w.size(), frames(0.0015));
    std::size_t fadeout = std::min(w.size(), frames(0.005));
    for (std::size_t i = 0; i < w.size(); ++i) {
        double g = 1.0;
        if (i < fadein) g *= ramp(static_cast<double>(i) / static_cast<double>(fadein));
        std::size_t left = w.size() - 1 - i;
        if (left < fadeout) g *= ramp(static_cast<double>(left) / static_cast<double>(fadeout));
        double v = std::clamp(std::round(w[i] * scale * g), -32767.0, 32767.0);
        out[i] = static_cast<std::int16_t>(v);
    }
    return out;
}

// A bell-like tone: a fundamental with quieter, quicker upper modes.
Note bell(double f, double length, double tau) {
    return {f,   length, 0.002,
            tau, 0.02,   {{1.0, 1.0, 0.0}, {2.0, 0.3, tau / 2}, {3.0, 0.1, tau / 3}}};
}

Wave coinring(double base) {
    // A struck disc: inharmonic modes, the fundamental split in two so it shimmers.
    Note n{base,
           0.35,
           0.0008,
           0.0,
           0.03,
           {{1.0, 1.0, 0.11},
            {1.0035, 0.5, 0.12},
            {2.32, 0.6, 0.07},
            {4.25, 0.35, 0.045},
            {5.95, 0.2, 0.03}}};
    return note(n);
}

struct Ring {
    double at;
    double base;
    double gain;
};

Wave tumble(const std::vector<Ring>& rings) {
    Wave w;
    for (const Ring& r : rings) mix(w, coinring(r.base), r.at, r.gain);
    return w;
}

Wave twonote(double first, double second) {
    Wave w;
    mix(w, note(bell(first, 0.16, 0.12)), 0.0);
    mix(w, note(bell(second, 0.22, 0.14)), 0.13);
    return w;
}

Wave brass(double f, double length, double attack, double release, double vibrato) {
    Note n{f,
           length,
           attack,
           0.0,
           release,
           {{1, 1.0, 0},
            {2, 0.6, 0},
            {3, 0.45, 0},
            {4, 0.3, 0},
            {5, 0.2, 0},
            {6, 0.12, 0},
            {7, 0.08, 0}},
           5.0,
           vibrato};
    return note(n);
}

Samples arrows() {
    Note n{1900, 0.04, 0.001, 0.007, 0.005, {{1.0, 1.0, 0.0}, {2.1, 0.3, 0.004}}};
    return finish(note(n), -12.0);
}

Samples enter() {
    Wave w;
    mix(w, note({440, 0.09, 0.001, 0.025, 0.01, {{1.0, 1.0, 0.0}}}), 0.0);
    mix(w, note({1320, 0.09, 0.001, 0.012, 0.01, {{1.0, 1.0, 0.0}, {2.0, 0.3, 0.006}}}), 0.0, 0.7);
    return finish(w, -8.0);
}

Samples tick() {
    Wave w = note({3000,
                   0.035,
                   0.0005,
                   0.004,
                   0.005,
                   {{1.0, 1.0, 0.0}, {1.63, 0.5, 0.003}, {2.4, 0.3, 0.002}}});
    mix(w, noise(0.01, 0.002, 0.3, true, 0x7a1c9e35u), 0.0, 0.2);
    return finish(w, -3.0);
}

Samples tock() {
    Wave w = note({500,
                   0.07,
                   0.001,
                   0.018,
                   0.01,
                   {{1.0, 1.0, 0.0}, {2.45, 0.35, 0.008}, {4.1, 0.12, 0.004}}});
    mix(w, noise(0.015, 0.004, 0.05, false, 0x3c6ef372u), 0.0, 0.6);
    return finish(w, -3.0);
}

Samples previous() {
    Wave w = glide({1400, 0.14, 0.005, 0.06, 0.04, {{1.0, 1.0, 0.0}, {2.0, 0.15, 0.0}}}, 350);
    mix(w, noise(0.12, 0.05, 0.08, false, 0x1f83d9abu), 0.0, 0.5);
    return finish(w, -5.0);
}

Samples error() {
    Wave w;
    Note buzz{110, 0.13, 0.008, 0.0, 0.015, harmonics(110, false, 12)};
    mix(w, note(buzz), 0.0);
    mix(w, note(buzz), 0.19);
    return finish(w, -4.0);
}

Samples theft() {
    Note n{700, 0.35, 0.03, 0.0, 0.08, {{1.0, 1.0, 0.0}, {3.0, 0.3, 0.0}}, 6.0, 0.03};
    return finish(glide(n, 260), -8.0);
}

Samples alarm() {
    // Two tones swapping every tenth of a second, with one running phase so the swaps do
    // not click.
    Note n{960, 0.8, 0.005, 0.0, 0.02, harmonics(960, true, 5)};
    return finish(voice(n, [](double t) { return static_cast<int>(t * 10) % 2 ? 720.0 : 960.0; }),
                  -5.0);
}

Samples saved() {
    Wave w;
    mix(w, note(bell(1046.5, 0.5, 0.25)), 0.0);
    mix(w, note(bell(1568.0, 0.6, 0.3)), 0.11, 0.8);
    return finish(w, -6.0);
}

Samples statement() {
    Wave w;
    mix(w, noise(0.12, 0.06, 0.25, true, 0x9b05688cu), 0.0, 0.15);
    const double steps[] = {783.99, 987.77, 1174.66, 1567.98};
    for (int i = 0; i < 4; ++i) {
        double length = i == 3 ? 0.3 : 0.15;
        mix(w, note({steps[i], length, 0.002, 0.08, 0.02, {{1.0, 1.0, 0.0}, {2.0, 0.25, 0.04}}}),
            0.055 * i);
    }
    return finish(w, -4.0);
}

Samples award() {
    Wave w;
    const double c5 = 523.25, e5 = 659.26, g5 = 783.99, c6 = 1046.5;
    mix(w, brass(c5, 0.16, 0.02, 0.03, 0.0), 0.0);
    mix(w, brass(e5, 0.16, 0.02, 0.03, 0.0), 0.14);
    mix(w, brass(g5, 0.16, 0.02, 0.03, 0.0), 0.28);
    for (double f : {c5, e5, g5, c6}) mix(w, brass(f, 0.78, 0.03, 0.15, 0.004), 0.42, 0.6);
    return finish(w, -3.0);
}

const std::map<std::string, std::function<Samples()>>& named() {
    static const std::map<std::string, std::function<Samples()>> sounds = {
        {"arrows", arrows},
        {"enter", enter},
        {"pause", [] { return finish(twonote(783.99, 523.25), -4.0); }},
        {"unpause", [] { return finish(twonote(523.25, 783.99), -4.0); }},
        {"tick", tick},
        {"tock", tock},
        {"previous", previous},
        {"error", error},
        {"theft", theft},
        {"coin1", [] { return finish(coinring(1650), -4.0); }},
        {"coin2", [] { return finish(coinring(2200), -4.0); }},
        {"coins1",
         [] {
             return finish(
                 tumble({{0, 1650, 1}, {0.06, 2050, 0.8}, {0.13, 1800, 0.7}, {0.21, 2300, 0.55}}),
                 -4.0);
         }},
        {"coins2",
         [] {
             return finish(tumble({{0, 2200, 1},
                                   {0.045, 1700, 0.85},
                                   {0.1, 2450, 0.7},
                                   {0.16, 1900, 0.6},
                                   {0.24, 2100, 0.45}}),
                           -4.0);
         }},
        {"alarm", alarm},
        {"saved", saved},
        {"statement", statement},
        {"award", award},
    };
    return sounds;
}

}  // namespace

Samples aisletone(int n) {
    if (n < 1 || n > 50)
        throw std::out_of_range("no aisle " + std::to_string(n) + ": aisles run from 1 to 50");
    // Semitones from C3: fifty steps of any wider scale would climb past what the sample
    // rate, and the ear, can take.
    double f = semitones(130.81, n - 1);
    Note tone{f, 0.17, 0.012, 0.09, 0.03, {{1.0, 1.0, 0.0}, {2.0, 0.25, 0.0}}};
    return finish(note(tone), -4.0);
}

Samples cuebeeps(int count) {
    if (count < 1 || count > 4)
        throw std::out_of_range("no cue of " + std::to_string(count) +
                                " beeps: there are cues of 1 to 4");
    const double steps[] = {523.25, 659.26, 783.99, 1046.5};
    Wave w;
    for (int i = 0; i < count; ++i)
        mix(w, note({steps[i], 0.08, 0.005, 0.0, 0.015, {{1.0, 1.0, 0.0}, {2.0, 0.2, 0.0}}}),
            0.13 * i);
    return finish(w, -3.0);
}

Samples sound(const std::string& name) {
    const auto& sounds = named();
    if (auto it = sounds.find(name); it != sounds.end()) return it->second();
    // Aisle tones go by their number alone.
    if (!name.empty() && name.size() <= 2 &&
        std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        name[0] != '0') {
        int n = std::stoi(name);
        if (n <= 50) return aisletone(n);
    }
    throw std::invalid_argument("no sound is named \"" + name + "\"");
}

}  // namespace zelvo::soundgen
