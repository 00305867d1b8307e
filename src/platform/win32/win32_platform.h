// The desktop behind the game on Windows: a Win32 window, SAPI, JAWS, UI Automation and
// DirectSound.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/dsound_mixer.h"
#include "platform/win32/game_window.h"
#include "platform/win32/jaws_api.h"
#include "platform/win32/sapi_voice.h"
#include "platform/win32/uia_notifier.h"

namespace zelvo {

// Every event, timer firing included, is handled on the thread that calls processEvents,
// which is the thread that made the platform (COM's apartment and the window are its).
class Win32Platform : public Platform {
public:
    // Starts COM and opens the window; throws PlatformError when either cannot be had.
    explicit Win32Platform(const std::string& title);
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    // The window, for the tests that send it messages as the system would.
    HWND window() const { return window_ ? window_->handle() : nullptr; }

    void setEvents(PlatformEvents* events) override { events_ = events; }

    int windowWidth() override;
    void drawLines(const std::vector<std::string>& lines) override;
    std::string title() override { return title_; }
    void setTitle(const std::string& text) override;
    void processEvents(int timeoutMs) override;
    long long nowMs() override;
    std::string inputBox(const std::string& prompt, const std::string& title, const TextEcho& echo,
                         const InputChoices& choices) override;
    void messageBox(const std::string& text) override;
    void endProgram() override;

    void startDayTimer(int periodMs) override;
    void stopDayTimer() override;
    bool dayTimerRunning() override { return dayTimer_; }

    int secondsSinceMidnight() override;
    int currentYear() override;

    bool openVoice() override;
    void setVoiceRate(int rate) override { voice_.setRate(rate); }
    void speak(const std::string& text) override { voice_.speak(text); }
    bool openScreenReader() override;
    void screenReaderSay(const std::string& text) override;
    void brailleWrite(const std::string& text) override;

    void addLogLine(const std::string& text) override;

    void openSound(int buffers) override;
    void loadSound(int buffer, const std::string& file) override { mixer_.load(buffer, file); }
    void setSoundVolume(int buffer, double volume) override { mixer_.setVolume(buffer, volume); }
    void setSoundPan(int buffer, double pan) override { mixer_.setPan(buffer, pan); }
    void playSound(int buffer, bool loop, const std::string& asked, double volume,
                   double pan) override;

private:
    static constexpr UINT_PTR kDayTimerId = 1;

    // Handles one message taken from the queue; the game's handlers run from here.
    void handle(const MSG& msg);
    // Tells a message box's text on the outputs that do not read the box by themselves.
    void tellMessage(const std::string& text);

    PlatformEvents* events_ = nullptr;
    bool comStarted_ = false;
    bool ended_ = false;
    bool dayTimer_ = false;
    bool voiceOpen_ = false;
    std::string title_;
    std::unique_ptr<GameWindow> window_;
    std::unique_ptr<UiaNotifier> uia_;
    SapiVoice voice_;
    JawsApi jaws_;
    DirectSoundMixer mixer_;
};

}  // namespace zelvo
