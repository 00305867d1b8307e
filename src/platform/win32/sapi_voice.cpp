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

// SAPI's rate for the game's: one step of the game is one step of SAPI's (each about an
// eighth faster), and the game's first rate, 2, is SAPI's normal speed, 0. Rate 10 is some
// two and a half times as fast, and rate 1 a little slower than normal.
long sapiRate(int rate) {
    return std::clamp(rate, 1, 10) - 2;
}

}  // namespace

SapiVoice::SapiVoice() = default;

SapiVoice::SapiVoice(std::unique_ptr<SapiEngine> engine)
    : engine_(std::move(engine)), injected_(engine_ != nullptr) {}

SapiVoice::~SapiVoice() {
    close();
}

bool SapiVoice::open() {
    if (engine_) return true;
    if (injected_) return false;  // a stand-in that was closed is not replaced by the system's
    engine_ = createSapiEngine();
    return engine_ != nullptr;
}

void SapiVoice::setRate(int rate) {
    if (!engine_) return;  // no voice, no rate to give it
    const HRESULT result = engine_->setRate(sapiRate(rate));
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
