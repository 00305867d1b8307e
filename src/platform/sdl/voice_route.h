// Which engine speaks the game's voice, and what moves across when one of them fails.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zelvo {

// speech-dispatcher speaks until it fails; then espeak-ng does, for the rest of the run
// (a daemon that failed once is not trusted to come back mid-game and talk over it); and
// if espeak-ng cannot start either, the window title carries each message. A daemon that
// is only slow to answer at start-up has not failed: espeak-ng speaks for it meanwhile
// (EspeakForNow), so the first words are never kept waiting, and speech-dispatcher takes
// over from the next text on once it answers.
class VoiceRoute {
public:
    enum class Engine { Speechd, EspeakForNow, Espeak, Title };

    Engine engine() const { return engine_; }
    // Notes the newest message, whichever engine takes it.
    void spoke(const std::string& text) { newest_ = text; }
    // speech-dispatcher has not answered in time for the first words: espeak-ng speaks
    // until it does. Returns what espeak-ng must say now, `unspoken`, the text taken back
    // from speech-dispatcher. Happens once a run, and only while speech-dispatcher speaks.
    std::optional<std::string> speechdSlow(std::optional<std::string> unspoken);
    // speech-dispatcher answered while espeak-ng spoke for it: it takes the next text.
    void speechdAnswered();
    // speech-dispatcher cannot be reached. The first such failure moves the voice to
    // espeak-ng and returns what espeak-ng must say now: `unspoken`, the newest text
    // speech-dispatcher never spoke. Later failures change nothing. If espeak-ng already
    // failed, the title takes over instead and the newest message is returned for it.
    std::optional<std::string> speechdFailed(const std::string& why,
                                             std::optional<std::string> unspoken);
    // espeak-ng cannot start: the title takes over and returns the newest message, which
    // the player has not heard. While espeak-ng only spoke for a slow speech-dispatcher,
    // the voice goes back to waiting for speech-dispatcher; the newest message is returned
    // all the same, for the title and for speech-dispatcher to say once it answers.
    std::optional<std::string> espeakFailed(const std::string& why);
    // The failures not yet reported to the game, joined into one line; each is reported once.
    std::string takeReport();

private:
    Engine engine_ = Engine::Speechd;
    bool bridged_ = false;       // espeak-ng has spoken for a slow speech-dispatcher
    bool espeakFailed_ = false;  // and could not start
    std::optional<std::string> newest_;
    std::vector<std::string> reports_;
};

}  // namespace zelvo
