// Spoken words rendered to samples with espeak-ng, for the speech-output cues.
#pragma once

#include <optional>
#include <string>

#include "synth.h"

namespace zelvo::soundgen {

// espeak-ng keeps one engine per process, so only one Voice should exist at a time.
class Voice {
public:
    Voice();
    ~Voice();
    Voice(const Voice&) = delete;
    Voice& operator=(const Voice&) = delete;

    // False when espeak-ng could not start (most often: its voice data is not installed);
    // `problem()` then says why.
    bool ready() const { return ready_; }
    const std::string& problem() const { return problem_; }

    // `text` spoken at 22050 Hz with the silence around it trimmed; nothing when the voice
    // is not ready or produced no sound.
    std::optional<Samples> say(const std::string& text);

private:
    bool ready_ = false;
    int rate_ = 0;
    std::string problem_;
};

}  // namespace zelvo::soundgen
