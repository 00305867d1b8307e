// The espeak-ng engine driven synchronously, its samples collected through the callback.
#include "speech.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zelvo::soundgen {

namespace {

// The callback has no user pointer of its own in synchronous mode, hence this one.
std::vector<short>* collecting = nullptr;

int collect(short* wav, int count, espeak_EVENT*) {
    if (wav != nullptr && count > 0 && collecting != nullptr)
        collecting->insert(collecting->end(), wav, wav + count);
    return 0;
}

std::string message(espeak_ng_STATUS status) {
    char text[512] = {};
    espeak_ng_GetStatusCodeMessage(status, text, sizeof text);
    return text;
}

std::vector<double> resample(const std::vector<short>& in, int from) {
    std::vector<double> out;
    if (in.empty()) return out;
    const double step = static_cast<double>(from) / kRate;
    const auto count = static_cast<std::size_t>(static_cast<double>(in.size()) / step);
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        double at = static_cast<double>(i) * step;
        auto k = static_cast<std::size_t>(at);
        double frac = at - static_cast<double>(k);
        double a = in[k];
        double b = k + 1 < in.size() ? in[k + 1] : a;
        out.push_back(a + (b - a) * frac);
    }
    return out;
}

}  // namespace

Voice::Voice() {
    // The plain espeak_Initialize would end the whole program when the data is missing, or,
    // told not to, report success anyway; this way the failure can be seen and survived.
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status != ENS_OK) {
        problem_ = "espeak-ng could not load its voice data: " + message(status);
        return;
    }
    status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    if (status == ENS_OK) status = espeak_ng_SetVoiceByName("en");
    if (status != ENS_OK) {
        problem_ = "espeak-ng has no English voice: " + message(status);
        espeak_ng_Terminate();
        return;
    }
    espeak_SetSynthCallback(collect);
    rate_ = espeak_ng_GetSampleRate();
    ready_ = rate_ > 0;
    if (!ready_) {
        problem_ = "espeak-ng reports no sample rate";
        espeak_ng_Terminate();
    }
}

Voice::~Voice() {
    if (ready_) espeak_ng_Terminate();
}

std::optional<Samples> Voice::say(const std::string& text) {
    if (!ready_) return std::nullopt;
    std::vector<short> raw;
    collecting = &raw;
    espeak_ERROR result = espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                       espeakCHARS_UTF8, nullptr, nullptr);
    collecting = nullptr;
    if (result != EE_OK) return std::nullopt;

    std::vector<double> wave = resample(raw, rate_);
    double peak = 0.0;
    for (double v : wave) peak = std::max(peak, std::abs(v));
    if (peak <= 0.0) return std::nullopt;

    // Keep a few milliseconds either side of the speech so the first sound is not cut.
    const double quiet = peak * 0.01;
    auto loud = [&](double v) { return std::abs(v) > quiet; };
    auto first =
        static_cast<std::size_t>(std::find_if(wave.begin(), wave.end(), loud) - wave.begin());
    auto last =
        static_cast<std::size_t>(wave.rend() - std::find_if(wave.rbegin(), wave.rend(), loud));
    const std::size_t margin = kRate / 100;
    first = first > margin ? first - margin : 0;
    last = std::min(wave.size(), last + margin);

    const std::size_t length = last - first;
    const std::size_t fade = std::min<std::size_t>(length / 2, kRate / 200);
    const double scale = 0.7 * 32767.0 / peak;  // about -3 dBFS at the peak
    Samples out(length);
    for (std::size_t i = 0; i < length; ++i) {
        double g = 1.0;
        if (i < fade) g = static_cast<double>(i) / static_cast<double>(fade);
        if (length - 1 - i < fade)
            g = std::min(g, static_cast<double>(length - 1 - i) / static_cast<double>(fade));
        out[i] = static_cast<std::int16_t>(std::lround(wave[first + i] * scale * g));
    }
    return out;
}

}  // namespace zelvo::soundgen
