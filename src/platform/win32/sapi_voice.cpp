// Placeholder until the SAPI voice is built: no voice, so output 0 falls back to the title.
#include "platform/win32/sapi_voice.h"

namespace zelvo {

SapiVoice::SapiVoice() = default;
SapiVoice::~SapiVoice() = default;
bool SapiVoice::open() {
    return false;
}
void SapiVoice::setRate(int) {}
void SapiVoice::speak(const std::string&) {}
void SapiVoice::close() {}

}  // namespace zelvo
