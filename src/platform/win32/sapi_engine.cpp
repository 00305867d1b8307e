#include "platform/win32/sapi_engine.h"

#include <sapi.h>

namespace zelvo {
namespace {

class SpVoiceEngine : public SapiEngine {
public:
    explicit SpVoiceEngine(ISpVoice* voice) : voice_(voice) {}
    ~SpVoiceEngine() override { voice_->Release(); }
    SpVoiceEngine(const SpVoiceEngine&) = delete;
    SpVoiceEngine& operator=(const SpVoiceEngine&) = delete;

    HRESULT rate(long* rate) override { return voice_->GetRate(rate); }
    HRESULT setRate(long rate) override { return voice_->SetRate(rate); }
    HRESULT speak(const wchar_t* text, DWORD flags) override {
        return voice_->Speak(text, flags, nullptr);
    }

private:
    ISpVoice* voice_;
};

}  // namespace

std::unique_ptr<SapiEngine> createSapiEngine() {
    ISpVoice* voice = nullptr;
    const HRESULT result = CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                            reinterpret_cast<void**>(&voice));
    if (FAILED(result) || !voice) return nullptr;
    return std::make_unique<SpVoiceEngine>(voice);
}

}  // namespace zelvo
