// Speech output 0 on Windows: a SAPI 5 voice (ISpVoice).
#pragma once

#include <memory>
#include <string>

#include "platform/win32/com_failure.h"

namespace zelvo {

class SapiEngine;

// COM is initialised on the calling thread (single-threaded apartment) by the window before
// open() is called. Every call is made on the game's one thread.
class SapiVoice {
public:
    SapiVoice();
    // A voice already made (a test's stand-in): open() keeps it instead of asking COM.
    explicit SapiVoice(std::unique_ptr<SapiEngine> engine);
    ~SapiVoice();
    SapiVoice(const SapiVoice&) = delete;
    SapiVoice& operator=(const SapiVoice&) = delete;

    // Creates the voice; false when the system has none.
    bool open();
    // The game's rate, 1 to 10.
    void setRate(int rate);
    // Speaks at once, purging what is still being spoken; never waits for the speech.
    // Throws PlatformError with the reason when the voice refuses the text, the first time
    // only for each kind of failure (setRate likewise). An empty text only silences.
    void speak(const std::string& text);
    void close();

private:
    std::unique_ptr<SapiEngine> engine_;
    bool injected_ = false;
    // SAPI's rate for the game's rate 2: the one the player chose for the voice in the
    // system's speech settings, read when the voice is first opened.
    long ownRate_ = 0;
    bool ownRateRead_ = false;
    FailureOnce speakFailures_;
    FailureOnce rateFailures_;
    bool absenceReported_ = false;
};

}  // namespace zelvo
