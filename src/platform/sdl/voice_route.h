// Which engine speaks the game's voice, and what moves across when one of them fails.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zelvo {

// speech-dispatcher speaks until it fails; then espeak-ng does, for the rest of the run
// (a daemon that failed once is not trusted to come back mid-game and talk over it); and
// if espeak-ng cannot start either, the window title carries each message.
class VoiceRoute {
public:
    enum class Engine { Speechd, Espeak, Title };

    Engine engine() const { return engine_; }
    // Notes the newest message, whichever engine takes it.
    void spoke(const std::string& text) { newest_ = text; }
    // speech-dispatcher cannot be reached. The first such failure moves the voice to
    // espeak-ng and returns what espeak-ng must say now: `unspoken`, the newest text
    // speech-dispatcher never spoke. Later failures change nothing.
    std::optional<std::string> speechdFailed(const std::string& why,
                                             std::optional<std::string> unspoken);
    // espeak-ng cannot start: the title takes over and returns the newest message, which
    // the player has not heard.
    std::optional<std::string> espeakFailed(const std::string& why);
    // The failures not yet reported to the game, joined into one line; each is reported once.
    std::string takeReport();

private:
    Engine engine_ = Engine::Speechd;
    std::optional<std::string> newest_;
    std::vector<std::string> reports_;
};

}  // namespace zelvo
