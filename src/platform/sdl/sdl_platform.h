// The desktop behind the game: an SDL2 window, a voice, BrlAPI and SDL2_mixer.
#pragma once

#include <SDL2/SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/braille/brlapi_display.h"
#include "platform/platform.h"
#include "platform/screenreader/screen_reader.h"
#include "platform/sdl/day_timer.h"
#include "platform/sdl/mixer.h"
#include "platform/sdl/voice_output.h"
#include "platform/sdl/window_text.h"

namespace zelvo {

// Every event, timer firing included, is handled on the thread that calls processEvents.
class SdlPlatform : public Platform {
public:
    // Opens the window; throws PlatformError when there is no display to open it on.
    explicit SdlPlatform(const std::string& title);
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

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

    void startDayTimer(int periodMs) override { timer_.start(periodMs); }
    void stopDayTimer() override { timer_.stop(); }
    bool dayTimerRunning() override { return timer_.running(); }

    int secondsSinceMidnight() override;
    int currentYear() override;

    bool openVoice() override { return voice_.open(); }
    void setVoiceRate(int rate) override { voice_.setRate(rate); }
    void speak(const std::string& text) override;
    bool openScreenReader() override { return screenReader_.open(); }
    void screenReaderSay(const std::string& text) override { screenReader_.say(text); }
    void brailleWrite(const std::string& text) override;

    void addLogLine(const std::string& text) override;

    void openSound(int buffers) override;
    void loadSound(int buffer, const std::string& file) override { mixer_.load(buffer, file); }
    void setSoundVolume(int buffer, double volume) override { mixer_.setVolume(buffer, volume); }
    void setSoundPan(int buffer, double pan) override { mixer_.setPan(buffer, pan); }
    void playSound(int buffer, bool loop, const std::string& asked, double volume,
                   double pan) override;

private:
    void dispatch(const SDL_Event& event);
    void redraw();

    PlatformEvents* events_ = nullptr;
    bool ended_ = false;
    SDL_Window* window_ = nullptr;
    std::string title_;
    std::vector<std::string> lines_;  // what the window shows, drawn again when exposed
    bool painted_ = false;            // the window has had its first picture
    // Declared after the window so that they are released before it.
    DayTimer timer_;
    ScreenReader screenReader_;
    Mixer mixer_;
    // After the mixer, whose speech channel it plays on, so that it is released first.
    VoiceOutput voice_{mixer_, [this](const std::string& text) { setTitle(text); }};
    std::unique_ptr<WindowText> text_;
    std::unique_ptr<BrailleDisplay> braille_;
};

}  // namespace zelvo
