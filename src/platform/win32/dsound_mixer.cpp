// Placeholder until DirectSound is built: a device that plays nothing.
#include "platform/win32/dsound_mixer.h"

namespace zelvo {

DirectSoundMixer::DirectSoundMixer() = default;
DirectSoundMixer::~DirectSoundMixer() = default;
void DirectSoundMixer::open(HWND, int) {}
void DirectSoundMixer::load(int, const std::string&) {}
void DirectSoundMixer::setVolume(int, double) {}
void DirectSoundMixer::setPan(int, double) {}
void DirectSoundMixer::play(int, bool) {}
void DirectSoundMixer::close() {}

}  // namespace zelvo
