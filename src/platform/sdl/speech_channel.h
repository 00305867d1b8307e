// Synthesised speech played on the mixer channel kept for it.
#pragma once

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <deque>
#include <vector>

#include "platform/espeak/espeak_voice.h"

namespace zelvo {

class Mixer;

// Pieces of one text play one after another on the speech channel; a new text cuts them
// all off. Every call is made on the main thread. The mixer tells nothing but "a channel
// finished" from its audio thread, which becomes an event of type `eventType` (code
// `finishedCode`) so that the next piece is started here, never in the callback.
class SpeechChannel {
public:
    SpeechChannel(Mixer& mixer, Uint32 eventType, Sint32 finishedCode);
    ~SpeechChannel();
    SpeechChannel(const SpeechChannel&) = delete;
    SpeechChannel& operator=(const SpeechChannel&) = delete;

    // Silences the channel and forgets what waits.
    void interrupt();
    // Queues a piece behind the others and starts it if the channel is free.
    void add(SpeechPiece piece);
    // Starts the next piece when the channel has finished the last.
    void pump();
    // Releases the chunk; made before the mixer closes.
    void close();

private:
    void release();
    bool play(const SpeechPiece& piece);

    Mixer& mixer_;
    std::deque<SpeechPiece> waiting_;
    // The chunk playing and the converted sound it points into (the chunk does not own it).
    Mix_Chunk* chunk_ = nullptr;
    std::vector<Uint8> sound_;
    int channel_ = -1;
};

}  // namespace zelvo
