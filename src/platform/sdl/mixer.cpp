// The sound buffers: one SDL2_mixer channel and one loaded chunk per buffer.
#include "platform/sdl/mixer.h"

#include <SDL2/SDL.h>

#include <string>

#include "platform/platform.h"
#include "platform/sdl/gain.h"
#include "platform/sdl/limiter.h"

namespace zelvo {
namespace {

// SDL's own words for why the device did not open; the player is shown them.
std::string reason(const char* error) {
    return error && *error ? error : "SDL gave no reason";
}

}  // namespace

Mixer::Mixer() = default;

Mixer::~Mixer() {
    close();
}

void Mixer::open(int buffers) {
    if (open_) close();
    if (buffers <= 0) throw PlatformError("no sound buffers were asked for");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) throw PlatformError(reason(SDL_GetError()));
    // Stereo, or panning does nothing. Floating point, because SDL adds channels of that
    // format without clamping them: the limiter then sees the true sum and keeps it below
    // full scale, where 16-bit mixing would already have clipped it.
    if (Mix_OpenAudioDevice(kRate, AUDIO_F32SYS, 2, 1024, nullptr, 0) != 0) {
        const std::string why = reason(Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        throw PlatformError(why);
    }
    limiter_ = std::make_unique<Limiter>(kRate);
    Mix_SetPostMix(limit, limiter_.get());
    Mix_AllocateChannels(buffers + 1);
    buffers_.clear();
    buffers_.resize(static_cast<size_t>(buffers));
    open_ = true;
}

void Mixer::limit(void* limiter, Uint8* stream, int bytes) {
    // On the audio thread; the limiter is touched by nothing else while the device is open.
    static_cast<Limiter*>(limiter)->run(reinterpret_cast<float*>(stream),
                                        bytes / static_cast<int>(2 * sizeof(float)));
}

size_t Mixer::slot(int buffer) const {
    if (!open_) throw PlatformError("the sound device is not open");
    if (buffer < 0 || static_cast<size_t>(buffer) >= buffers_.size())
        throw PlatformError("there is no sound buffer " + std::to_string(buffer));
    return static_cast<size_t>(buffer);
}

void Mixer::load(int buffer, const std::string& file) {
    Buffer& b = buffers_[slot(buffer)];
    // Opened here rather than by Mix_LoadWAV, whose own message for a file that cannot be
    // opened does not name it.
    SDL_RWops* source = SDL_RWFromFile(file.c_str(), "rb");
    if (!source) throw PlatformError(SDL_GetError());
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source, /*freesrc=*/1);
    if (!chunk) throw PlatformError(file + ": " + Mix_GetError());
    // The channel may still be playing the old chunk.
    Mix_HaltChannel(buffer);
    b.chunk.reset(chunk);
}

void Mixer::setVolume(int buffer, double volume) {
    buffers_[slot(buffer)].volume = volume;
}

void Mixer::setPan(int buffer, double pan) {
    buffers_[slot(buffer)].pan = pan;
}

void Mixer::play(int buffer, bool loop) {
    Buffer& b = buffers_[slot(buffer)];
    if (!b.chunk) return;  // its file was missing; the game has been told already
    if (Mix_PlayChannel(buffer, b.chunk.get(), loop ? -1 : 0) < 0)
        throw PlatformError(Mix_GetError());
    // Only now: SDL2_mixer forgets a channel's panning when the channel stops or is
    // replaced by another sound.
    const StereoGain gain = stereoGain(b.volume, b.pan);
    Mix_Volume(buffer, MIX_MAX_VOLUME);
    Mix_SetPanning(buffer, static_cast<Uint8>(panningLevel(gain.left)),
                   static_cast<Uint8>(panningLevel(gain.right)));
}

void Mixer::close() {
    if (!open_) return;
    open_ = false;
    Mix_HaltChannel(-1);
    buffers_.clear();
    Mix_SetPostMix(nullptr, nullptr);
    Mix_CloseAudio();
    limiter_.reset();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace zelvo
