// Speech output 0 on Windows: the system's SAPI voice, its money amounts said in words.
#include "platform/win32/sapi_voice.h"

#include <sapi.h>

#include <algorithm>
#include <utility>

#include "platform/platform.h"
#include "platform/speechd/spoken_money.h"
#include "platform/win32/sapi_engine.h"
#include "platform/win32/wide.h"

namespace zelvo {
namespace {

// Asynchronous, so the game never waits; each message cuts off the one before, so the
// player hears the newest at once; never read as markup, so a "<" in a name is spoken.
constexpr DWORD kSpeakFlags = SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML;

// SAPI's rate for the game's: the game's first rate, 2, is the speed the player chose for
// the voice in the system's speech settings (SAPI's 0, its normal speed, unless changed
// there), and one step of the game is one step of SAPI's, each about an eighth faster: from
// normal, rate 10 is some two and a half times as fast, rate 1 a little slower.
long sapiRate(int rate, long ownRate) {
    return std::clamp(ownRate + std::clamp(rate, 1, 10) - 2, -10L, 10L);
}

}  // namespace

SapiVoice::SapiVoice() = default;

SapiVoice::SapiVoice(std::unique_ptr<SapiEngine> engine)
    : engine_(std::move(engine)), injected_(engine_ != nullptr) {}

SapiVoice::~SapiVoice() {
    close();
}

bool SapiVoice::open() {
    // A stand-in that was closed is not replaced by the system's voice.
    if (!engine_ && !injected_) engine_ = createSapiEngine();
    if (!engine_) return false;
    if (!ownRateRead_) {
        ownRateRead_ = true;
        long rate = 0;
        if (SUCCEEDED(engine_->rate(&rate))) ownRate_ = std::clamp(rate, -10L, 10L);
    }
    return true;
}

void SapiVoice::setRate(int rate) {
    if (!engine_) return;  // no voice, no rate to give it
    const HRESULT result = engine_->setRate(sapiRate(rate, ownRate_));
    if (FAILED(result) && rateFailures_.first(result))
        throw PlatformError("the SAPI voice could not change its rate: " + hresultText(result));
}

void SapiVoice::speak(const std::string& text) {
    if (!engine_) {
        if (absenceReported_) return;
        absenceReported_ = true;
        throw PlatformError("there is no SAPI voice to speak");
    }
    const std::wstring wide = widen(spokenMoney(text));
    // An empty text is a silence: whatever is still being said stops.
    const HRESULT result = wide.empty() ? engine_->speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK)
                                        : engine_->speak(wide.c_str(), kSpeakFlags);
    if (FAILED(result) && speakFailures_.first(result))
        throw PlatformError("the SAPI voice could not speak: " + hresultText(result));
}

void SapiVoice::close() {
    engine_.reset();
}

}  // namespace zelvo
