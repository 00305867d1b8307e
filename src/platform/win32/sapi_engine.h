// The calls the game makes on a SAPI voice, so that tests can stand in for the voice.
#pragma once

#include <windows.h>

#include <memory>

namespace zelvo {

class SapiEngine {
public:
    virtual ~SapiEngine() = default;
    // ISpVoice::GetRate: the rate the voice was made with, the player's own choice in the
    // system's speech settings.
    virtual HRESULT rate(long* rate) = 0;
    // ISpVoice::SetRate: -10 (a third of normal speed) to 10 (three times it).
    virtual HRESULT setRate(long rate) = 0;
    // ISpVoice::Speak; a null text with SPF_PURGEBEFORESPEAK only silences the voice.
    virtual HRESULT speak(const wchar_t* text, DWORD flags) = 0;
};

// The system's default voice (CLSID_SpVoice); null when the system has none.
std::unique_ptr<SapiEngine> createSapiEngine();

}  // namespace zelvo
