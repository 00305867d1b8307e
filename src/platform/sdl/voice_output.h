// The game's voice (output 0): speech-dispatcher, or espeak-ng when it cannot be reached.
#pragma once

#include <SDL2/SDL.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/espeak/espeak_voice.h"
#include "platform/sdl/speech_channel.h"
#include "platform/sdl/voice_route.h"
#include "platform/speechd/speechd_voice.h"

namespace zelvo {

class Mixer;

// Speaks through speech-dispatcher while it answers. When it cannot be reached (the
// connection fails or hangs, or the daemon dies and cannot be reached again), espeak-ng
// takes over on the sound device's speech channel and first says the newest text
// speech-dispatcher never spoke, so the player always hears the game. When it is only
// slow to answer at start-up, espeak-ng says the first words after a short wait and
// speech-dispatcher takes over once it answers. Nothing here waits
// for speech: the engines report back through events of the voice's own type, which
// handle() takes on the main thread.
class VoiceOutput {
public:
    // `showInTitle` puts a message in the window title when no engine is left to say it.
    VoiceOutput(Mixer& mixer, std::function<void(const std::string&)> showInTitle);
    ~VoiceOutput();
    VoiceOutput(const VoiceOutput&) = delete;
    VoiceOutput& operator=(const VoiceOutput&) = delete;

    // Starts connecting to speech-dispatcher ahead of open(), so that the connection is
    // made while the window opens. Nothing is said before open().
    void prepare();
    bool open();
    void setRate(int rate);
    // Cuts off what is being said and says `text`; an empty text only silences.
    void speak(const std::string& text);
    // Failures not yet reported to the game, in one line; empty when there are none.
    std::string takeReport();
    // Takes one of the voice's own events; false for any other event.
    bool handle(const SDL_Event& event);
    // The sound device opened: speech that waited for it can play.
    void soundChanged();
    // Stops both engines and the speech channel; made before the sound device closes.
    void close();
    // Which engine the next text goes to.
    VoiceRoute::Engine engine() const { return route_.engine(); }

private:
    void check();
    // espeak-ng says `text`, cutting off what it was saying.
    void say(const std::string& text);
    void takePieces();
    void watch(bool on);
    static Uint32 tick(Uint32 interval, void* param);

    bool espeakHeard() const;

    Mixer& mixer_;
    Uint32 eventType_ = 0;
    bool opened_ = false;
    bool closed_ = false;
    SDL_TimerID watcher_ = 0;
    unsigned generation_ = 0;  // espeak-ng's newest text; older pieces are dropped
    // Until speech-dispatcher first answers: when the first text was handed to it.
    bool firstWordsPending_ = true;
    std::optional<Uint64> firstWordsAt_;
    std::function<void(const std::string&)> showInTitle_;
    VoiceRoute route_;
    SpeechdVoice speechd_;
    EspeakVoice espeak_;
    SpeechChannel channel_;
};

}  // namespace zelvo
