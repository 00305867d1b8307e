// Which engine speaks the game's voice, and what moves across when one of them fails.
#include "platform/sdl/voice_route.h"

#include <utility>

namespace zelvo {

std::optional<std::string> VoiceRoute::speechdSlow(std::optional<std::string> unspoken) {
    if (engine_ != Engine::Speechd || bridged_) return std::nullopt;
    engine_ = Engine::EspeakForNow;
    bridged_ = true;
    return unspoken;
}

void VoiceRoute::speechdAnswered() {
    if (engine_ == Engine::EspeakForNow) engine_ = Engine::Speechd;
}

std::optional<std::string> VoiceRoute::speechdFailed(const std::string& why,
                                                     std::optional<std::string> unspoken) {
    if (engine_ != Engine::Speechd && engine_ != Engine::EspeakForNow) return std::nullopt;
    if (espeakFailed_) {
        engine_ = Engine::Title;
        reports_.push_back(why + "; messages are shown in the window title");
        return newest_;
    }
    engine_ = Engine::Espeak;
    reports_.push_back(why + "; espeak-ng speaks instead");
    return unspoken;
}

std::optional<std::string> VoiceRoute::espeakFailed(const std::string& why) {
    if (engine_ == Engine::EspeakForNow) {
        engine_ = Engine::Speechd;
        espeakFailed_ = true;
        reports_.push_back(why +
                           "; messages are shown in the window title until "
                           "speech-dispatcher answers");
        return newest_;
    }
    if (engine_ != Engine::Espeak) return std::nullopt;
    engine_ = Engine::Title;
    reports_.push_back(why + "; messages are shown in the window title");
    return newest_;
}

std::string VoiceRoute::takeReport() {
    std::string report;
    for (const auto& line : reports_) report += (report.empty() ? "" : ". ") + line;
    reports_.clear();
    return report;
}

}  // namespace zelvo
