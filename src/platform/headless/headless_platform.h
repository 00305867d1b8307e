// A machine with no window, voice or sound card: every event becomes one line of text.
#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace zelvo {

struct HeadlessOptions {
    int seconds = 0;  // seconds since midnight, which seed the game
    int year = 2026;
};

class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform(std::ostream& out, std::string title, HeadlessOptions options);

    // The text the next text-entry box returns.
    void queueAnswer(std::string text) { answers_.push_back({std::move(text), {}}); }
    // Up (false) and Down (true) pressed, in order, in the next text-entry box, which then
    // returns its field as they left it.
    void queueSteps(std::vector<bool> downs) { answers_.push_back({"", std::move(downs)}); }
    // Answers queued and not yet taken by a box.
    std::size_t queuedAnswers() const { return answers_.size(); }
    bool ended() const { return ended_; }
    PlatformEvents* events() const { return events_; }

    void setEvents(PlatformEvents* events) override { events_ = events; }
    int windowWidth() override { return 800; }
    void drawLines(const std::vector<std::string>&) override {}
    std::string title() override { return title_; }
    void setTitle(const std::string& text) override;
    void processEvents(int timeoutMs) override;
    long long nowMs() override { return now_; }
    std::string inputBox(const std::string& prompt, const std::string& title, const TextEcho& echo,
                         const InputChoices& choices) override;
    void messageBox(const std::string& text) override;
    void endProgram() override;

    void startDayTimer(int periodMs) override;
    void stopDayTimer() override;
    bool dayTimerRunning() override { return timer_; }

    int secondsSinceMidnight() override { return options_.seconds; }
    int currentYear() override { return options_.year; }

    bool openVoice() override { return true; }
    void setVoiceRate(int) override {}
    void speak(const std::string& text) override;
    bool openScreenReader() override { return false; }
    void screenReaderSay(const std::string& text) override;
    void brailleWrite(const std::string&) override {}

    void addLogLine(const std::string& text) override;

    void openSound(int) override {}
    void loadSound(int, const std::string&) override {}
    void setSoundVolume(int, double) override {}
    void setSoundPan(int, double) override {}
    void playSound(int buffer, bool loop, const std::string& asked, double volume,
                   double pan) override;

private:
    void line(const std::string& kind, const std::string& text);

    std::ostream& out_;
    std::string title_;
    HeadlessOptions options_;
    PlatformEvents* events_ = nullptr;
    struct Answer {
        std::string text;
        std::vector<bool> downs;
    };
    std::deque<Answer> answers_;
    long long now_ = 0;
    bool timer_ = false;
    bool ended_ = false;
};

}  // namespace zelvo
