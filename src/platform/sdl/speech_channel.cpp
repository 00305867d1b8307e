// Synthesised speech played on the mixer channel kept for it.
#include "platform/sdl/speech_channel.h"

#include <atomic>
#include <cstdio>
#include <utility>

#include "platform/sdl/mixer.h"

namespace zelvo {
namespace {

// SDL2_mixer keeps a single finished-callback for the whole program, called on its audio
// thread; this is what it may see.
std::atomic<int> watchedChannel{-1};
std::atomic<Uint32> finishedType{0};
std::atomic<Sint32> finishedCode{0};

void SDLCALL onChannelFinished(int channel) {
    // Only an event: calling the mixer from here recurses forever in SDL2_mixer 2.6.
    if (channel != watchedChannel.load() || finishedType.load() == 0) return;
    SDL_Event event{};
    event.type = finishedType.load();
    event.user.code = finishedCode.load();
    SDL_PushEvent(&event);
}

}  // namespace

SpeechChannel::SpeechChannel(Mixer& mixer, Uint32 eventType, Sint32 code) : mixer_(mixer) {
    finishedType = eventType;
    finishedCode = code;
}

SpeechChannel::~SpeechChannel() {
    close();
}

void SpeechChannel::release() {
    if (!chunk_) return;
    // Halted first: the mixer may still be reading the chunk.
    if (channel_ >= 0 && mixer_.speechChannel() == channel_) Mix_HaltChannel(channel_);
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
    sound_.clear();
    sound_.shrink_to_fit();
}

void SpeechChannel::interrupt() {
    waiting_.clear();
    release();
}

void SpeechChannel::add(SpeechPiece piece) {
    if (piece.samples.empty() || piece.sampleRate <= 0) return;
    waiting_.push_back(std::move(piece));
    pump();
}

void SpeechChannel::pump() {
    const int channel = mixer_.speechChannel();
    if (channel < 0) return;  // no sound device yet: the speech waits for it
    if (chunk_ && channel == channel_ && Mix_Playing(channel_)) return;
    release();
    if (channel != channel_) {
        channel_ = channel;
        watchedChannel = channel;
        Mix_ChannelFinished(onChannelFinished);
    }
    while (!waiting_.empty()) {
        const SpeechPiece piece = std::move(waiting_.front());
        waiting_.pop_front();
        if (play(piece)) return;
    }
}

bool SpeechChannel::play(const SpeechPiece& piece) {
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0) return false;
    // The device was opened in stereo at a rate of its choosing; the speech is mono.
    SDL_AudioStream* stream = SDL_NewAudioStream(AUDIO_S16SYS, 1, piece.sampleRate, format,
                                                 static_cast<Uint8>(channels), rate);
    bool ok = stream != nullptr;
    if (ok) {
        const int bytes = static_cast<int>(piece.samples.size() * sizeof(piece.samples[0]));
        ok = SDL_AudioStreamPut(stream, piece.samples.data(), bytes) == 0 &&
             SDL_AudioStreamFlush(stream) == 0;
        const int available = ok ? SDL_AudioStreamAvailable(stream) : 0;
        sound_.resize(static_cast<size_t>(available));
        const int got = available > 0 ? SDL_AudioStreamGet(stream, sound_.data(), available) : 0;
        ok = ok && got > 0;
        if (ok) sound_.resize(static_cast<size_t>(got));
        SDL_FreeAudioStream(stream);
    }
    if (!ok) {
        std::fprintf(stderr, "speech could not be converted for the sound device: %s\n",
                     SDL_GetError());
        sound_.clear();
        return false;
    }
    chunk_ = Mix_QuickLoad_RAW(sound_.data(), static_cast<Uint32>(sound_.size()));
    if (!chunk_ || Mix_PlayChannel(channel_, chunk_, 0) < 0) {
        std::fprintf(stderr, "speech could not be played: %s\n", Mix_GetError());
        release();
        return false;
    }
    // Full volume, in the middle: the mixer forgets a channel's panning when it stops.
    Mix_Volume(channel_, MIX_MAX_VOLUME);
    return true;
}

void SpeechChannel::close() {
    waiting_.clear();
    release();
    if (channel_ >= 0) {
        Mix_ChannelFinished(nullptr);
        watchedChannel = -1;
        channel_ = -1;
    }
}

}  // namespace zelvo
