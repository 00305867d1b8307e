// The sound buffers on Windows: DirectSound, one static secondary buffer per game buffer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct IDirectSound8;
struct IDirectSoundBuffer;

namespace zelvo {

// Every call is made on the game's one thread. COM is initialised on it by the window.
class DirectSoundMixer {
public:
    // Gives a device, or throws PlatformError with the reason there is none.
    using DeviceMaker = std::function<IDirectSound8*()>;

    // On the system's first sound device.
    DirectSoundMixer();
    // On a device `make` gives: a test's stand-in for DirectSound.
    explicit DirectSoundMixer(DeviceMaker make);
    ~DirectSoundMixer();
    DirectSoundMixer(const DirectSoundMixer&) = delete;
    DirectSoundMixer& operator=(const DirectSoundMixer&) = delete;

    // Opens the first sound device at the priority level for `window`, with `buffers`
    // buffers. Throws PlatformError with the system's reason when there is no device.
    void open(HWND window, int buffers);
    // These throw PlatformError for a buffer that does not exist or a file that is not a
    // wave file DirectSound can take; a failed load leaves the buffer as it was.
    void load(int buffer, const std::string& file);
    // Hundredths of a decibel, as the game counts them: -5000..0 and -10000..10000. They
    // are DirectSound's own scale; what lies beyond its range is held at its limits. A
    // fresh load starts at full volume in the centre, as DirectSound makes its buffers.
    void setVolume(int buffer, double volume);
    void setPan(int buffer, double pan);
    // From the buffer's start, also when it still sounds from an earlier play.
    void play(int buffer, bool loop);
    void close();

private:
    IDirectSoundBuffer*& slot(int buffer);

    DeviceMaker make_;
    IDirectSound8* device_ = nullptr;
    // A buffer that was never loaded is null, and playing it does nothing.
    std::vector<IDirectSoundBuffer*> buffers_;
};

}  // namespace zelvo
