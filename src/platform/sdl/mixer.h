// The sound buffers: one SDL2_mixer channel and one loaded chunk per buffer.
#pragma once

#include <SDL2/SDL_mixer.h>

#include <memory>
#include <string>
#include <vector>

namespace zelvo {

class Limiter;

// Every call is made on the main thread; chunks are freed only after their channel has
// been halted, and never from a mixer callback.
class Mixer {
public:
    Mixer();
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // The rate the device is opened at.
    static constexpr int kRate = 22050;

    // Opens the device in stereo with a channel for each of the `buffers`, and one more
    // kept for speech. Throws PlatformError with SDL's reason when there is no device.
    void open(int buffers);
    // The channel kept for speech (the one after the buffers'); -1 while the device is shut.
    int speechChannel() const { return open_ ? static_cast<int>(buffers_.size()) : -1; }
    // These throw PlatformError for a buffer that does not exist or a file SDL2_mixer
    // cannot read; a failed load leaves the buffer as it was.
    void load(int buffer, const std::string& file);
    void setVolume(int buffer, double volume);
    void setPan(int buffer, double pan);
    void play(int buffer, bool loop);
    void close();

private:
    size_t slot(int buffer) const;
    static void limit(void* limiter, Uint8* stream, int bytes);

    struct FreeChunk {
        void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
    };
    struct Buffer {
        std::unique_ptr<Mix_Chunk, FreeChunk> chunk;
        double volume = 0;
        double pan = 0;
    };
    std::vector<Buffer> buffers_;
    std::unique_ptr<Limiter> limiter_;  // keeps the mix below full scale
    bool open_ = false;
};

}  // namespace zelvo
